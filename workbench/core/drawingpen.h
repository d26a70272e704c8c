#pragma once

#include <QImage>
#include <QPoint>

namespace tessel {

class PolygonStore;

// The pen of a picture that region points are drawn on: the drawing area and
// the double-sized view each have one. A recorded point goes into the polygon
// store and is joined to the point before it by a black line; the first point
// of a polygon is set on its own and starts the line, so that no line ever
// joins two polygons.
class DrawingPen
{
public:
    // Records `at` in `polygons` and draws it into `picture`. True when the
    // point started a polygon.
    bool recordPoint(PolygonStore& polygons, QImage& picture, QPoint at);
    // The next point drawn starts from the top left corner, as on a cleared picture.
    void reset() { m_pen = {}; }

private:
    QPoint m_pen;
};

} // namespace tessel
