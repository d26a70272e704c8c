#include "workbench/core/regionshape.h"

#include "common/core/regionmask.h"
#include "workbench/core/regionfile.h"

#include <algorithm>
#include <string>

namespace tessel {
namespace {

constexpr int kWidth = ShapeMask::kWidth;
constexpr int kHeight = ShapeMask::kHeight;

} // namespace

ShapeMask shapeMask(std::span<const std::vector<QPoint>> polygons)
{
    const std::vector<bool> shows = kit::windingMask(polygons, kWidth, kHeight);
    ShapeMask mask;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (shows[size_t(y) * kWidth + size_t(x)])
                mask.set(x, y);
    return mask;
}

std::vector<std::vector<QPoint>> shapePolygons(const PolygonStore& store)
{
    std::vector<std::vector<QPoint>> polygons;
    const auto keep = [&polygons](const RegionPolygon& polygon) { polygons.push_back(polygon.corners); };
    forEachRegionPolygon(store.countsText(), store.pointList(), keep);
    if (!store.newPolygon())
        forEachRegionPolygon(std::to_string(store.pointCount()) + ",", store.currentPoints(), keep);
    return polygons;
}

void cutToShape(QImage& window, const ShapeMask& mask)
{
    constexpr int kSquare = 4;
    const QRgb greys[] = {qRgb(204, 204, 204), qRgb(153, 153, 153)};
    const int height = std::min(window.height(), kHeight);
    const int width = std::min(window.width(), kWidth);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(window.scanLine(y));
        for (int x = 0; x < width; ++x)
            if (!mask.shows(x, y))
                row[x] = greys[(x / kSquare + y / kSquare) % 2];
    }
}

} // namespace tessel
