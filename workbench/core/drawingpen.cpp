#include "workbench/core/drawingpen.h"

#include "workbench/core/pixels.h"
#include "workbench/core/polygonstore.h"

namespace tessel {

bool DrawingPen::recordPoint(PolygonStore& polygons, QImage& picture, QPoint at)
{
    constexpr QRgb kBlack = qRgb(0, 0, 0);
    const bool first = polygons.recordPoint(at.x(), at.y());
    if (first) {
        setPixel(picture, at, kBlack);
        m_pen = at;
    }
    drawLine(picture, m_pen, at, kBlack);
    m_pen = at;
    return first;
}

} // namespace tessel
