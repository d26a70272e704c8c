#pragma once

#include <QColor>
#include <QPoint>
#include <QRectF>

#include <vector>

class QPainter;
class QPalette;

namespace plevo {

// How the recorded polygon is drawn over the skin picture, as the colour picker
// sets it: edges in the line colour, corners as markers in the link colour,
// outlined or filled.
struct MarkStyle
{
    QColor line;
    QColor link;
    bool filled = false;

    friend bool operator==(const MarkStyle&, const MarkStyle&) = default;
};

// The colour picker's first colours, which hold until it is first opened.
MarkStyle initialMarkStyle(const QPalette& palette);

enum class OutlineShape { Circle, Rectangle };

// An outline `width` pixels wide: with `insideSolid` drawn within `bounds`,
// however wide, otherwise centred on them. The colour picker's samples and the
// corner markers over the picture are drawn so.
void paintOutline(QPainter& painter, OutlineShape shape, const QRectF& bounds, const QColor& colour, int width,
                  bool insideSolid);

// A corner marker in `bounds`: a circle outline 2 pixels wide, or, filled, 5 wide
// and drawn within the bounds.
void paintMarker(QPainter& painter, const QRectF& bounds, const QColor& colour, bool filled);

// The side of a corner marker, in window pixels, at every magnification.
inline constexpr int kMarkerSize = 9;

// Draws the polygon whose corners are `readouts` (readout values, 1,1 to 275,116)
// over a picture shown `magnification` times: each corner on the centre of the
// skin pixel it was recorded from, the edges between them in click order, and,
// from three corners on, a dashed edge back to the first, where the player closes
// the region.
void paintRegionMarks(QPainter& painter, const std::vector<QPoint>& readouts, int magnification,
                      const MarkStyle& style);

} // namespace plevo
