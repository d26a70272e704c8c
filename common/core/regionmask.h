#pragma once

#include <QPoint>

#include <span>
#include <vector>

// The shape the player cuts out of one of its windows for a region's polygons,
// shared by Tessel's Show Shape and the skin checker.
namespace kit {

// Which pixels of a `width` x `height` window show for `polygons`, row by row,
// as the player makes one window region of all of them at once with the
// winding fill mode. Each polygon is closed from its last corner back to its
// first, and its corners are points between pixels: pixel (x, y) covers the
// square from (x, y) to (x + 1, y + 1).
//  - A pixel shows where the polygons together wind round its top left corner
//    a number of times other than zero: the inside of every polygon, the
//    middle of a star drawn in one line, and the union of polygons that
//    overlap drawn the same way round. Where one polygon drawn the other way
//    round overlaps another, the two cancel and the window is cut.
//  - A pixel whose corner lies on a left or top edge shows, one whose corner
//    lies on a right or bottom edge does not, so the polygon (0,0) (10,0)
//    (10,10) (0,10) shows 10 x 10 pixels, as the rectangle region of the same
//    corners does.
// Corners may lie anywhere within +-2^24; what falls outside the window is
// cut off.
std::vector<bool> windingMask(std::span<const std::vector<QPoint>> polygons, int width, int height);

// Whether windingMask would show any pixel at all for `polygons`, at a cost
// that grows with their edges and the rows they span, not with the window's
// area: row by row, stopping at the first pixel that shows. So a region file of
// a hundred thousand small polygons is checked one polygon at a time without a
// window-sized mask for each.
bool showsAnyPixel(std::span<const std::vector<QPoint>> polygons, int width, int height);

// A position as windingMask and the kit's pixel drawing take it: rounded to the
// nearest whole number and kept within +-2^24, so that a point far beyond the
// window stays far beyond it, and sums and differences of two such coordinates
// never overflow an int.
int clampedCoordinate(double value);
QPoint clampedPoint(double x, double y);

} // namespace kit
