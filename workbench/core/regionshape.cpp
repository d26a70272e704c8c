#include "workbench/core/regionshape.h"

#include "workbench/core/regionfile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace tessel {
namespace {

constexpr int kWidth = ShapeMask::kWidth;
constexpr int kHeight = ShapeMask::kHeight;

// The smallest whole number not below numerator / denominator, for a positive denominator.
std::int64_t ceilDivide(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t quotient = numerator / denominator;
    return quotient + (numerator % denominator > 0 ? 1 : 0);
}

} // namespace

ShapeMask shapeMask(std::span<const std::vector<QPoint>> polygons)
{
    // For each row, how the winding number changes at each pixel: every edge
    // that crosses the row's line changes it from the first pixel whose corner
    // lies on the edge or right of it. One spare column takes the changes
    // beyond the window.
    std::array<std::array<int, kWidth + 1>, kHeight> change {};
    for (const std::vector<QPoint>& corners : polygons) {
        for (size_t i = 0; i < corners.size(); ++i) {
            const QPoint from = corners[i];
            const QPoint to = corners[(i + 1) % corners.size()];
            if (from.y() == to.y())
                continue;
            // Downwards the winding number grows, upwards it falls. The edge
            // holds the line of its upper end's row, not its lower end's.
            const int direction = to.y() > from.y() ? 1 : -1;
            const QPoint upper = direction > 0 ? from : to;
            const QPoint lower = direction > 0 ? to : from;
            const std::int64_t height = std::int64_t(lower.y()) - upper.y();
            const std::int64_t across = std::int64_t(lower.x()) - upper.x();
            const int firstRow = std::max(upper.y(), 0);
            const int endRow = std::min(lower.y(), kHeight);
            for (int y = firstRow; y < endRow; ++y) {
                // The edge meets the row's line at upper.x + (y - upper.y) * across / height.
                const std::int64_t first = upper.x() + ceilDivide((y - upper.y()) * across, height);
                change[size_t(y)][size_t(std::clamp<std::int64_t>(first, 0, kWidth))] += direction;
            }
        }
    }
    ShapeMask mask;
    for (int y = 0; y < kHeight; ++y) {
        int winding = 0;
        for (int x = 0; x < kWidth; ++x) {
            winding += change[size_t(y)][size_t(x)];
            if (winding != 0)
                mask.set(x, y);
        }
    }
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
