#pragma once

#include "workbench/core/polygonstore.h"
#include "workbench/core/skin.h"

#include <QImage>
#include <QPoint>

#include <bitset>
#include <span>
#include <vector>

// The shape the player cuts out of its main window for a region file's polygons.
namespace tessel {

// One bit for each pixel of the player's 275 x 116 main window, row by row:
// set where the window shows, clear where it is cut away.
class ShapeMask
{
public:
    static constexpr int kWidth = kMainWindowSize.width();
    static constexpr int kHeight = kMainWindowSize.height();

    bool shows(int x, int y) const { return m_bits[size_t(y * kWidth + x)]; }
    void set(int x, int y) { m_bits.set(size_t(y * kWidth + x)); }

private:
    std::bitset<size_t(kWidth) * kHeight> m_bits;
};

// The main window's shape for `polygons`, by the kit's one rule for what the
// player cuts (kit::windingMask).
ShapeMask shapeMask(std::span<const std::vector<QPoint>> polygons);

// The polygons the shape is made of: those that Draw Region draws (the ones
// finished here, or those of the region file read last) and the one being
// drawn, which the next save finishes.
std::vector<std::vector<QPoint>> shapePolygons(const PolygonStore& store);

// `window` (Format_RGB32, 275 x 116) as the player shows it with `mask`: the
// pixels the window shows are kept, the others become a checkerboard of
// 4 x 4 squares in two greys, as for a transparent picture.
void cutToShape(QImage& window, const ShapeMask& mask);

} // namespace tessel
