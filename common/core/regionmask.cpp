#include "common/core/regionmask.h"

#include <algorithm>
#include <cstdint>

namespace kit {
namespace {

// The smallest whole number not below numerator / denominator, for a positive denominator.
std::int64_t ceilDivide(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t quotient = numerator / denominator;
    return quotient + (numerator % denominator > 0 ? 1 : 0);
}

} // namespace

std::vector<bool> windingMask(std::span<const std::vector<QPoint>> polygons, int width, int height)
{
    // For each row, how the winding number changes at each pixel: every edge
    // that crosses the row's line changes it from the first pixel whose corner
    // lies on the edge or right of it. One spare column takes the changes
    // beyond the window.
    const auto stride = static_cast<size_t>(width) + 1;
    std::vector<int> change(stride * static_cast<size_t>(height));
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
            const std::int64_t rise = std::int64_t(lower.y()) - upper.y();
            const std::int64_t across = std::int64_t(lower.x()) - upper.x();
            const int firstRow = std::max(upper.y(), 0);
            const int endRow = std::min(lower.y(), height);
            for (int y = firstRow; y < endRow; ++y) {
                // The edge meets the row's line at upper.x + (y - upper.y) * across / rise.
                const std::int64_t first = upper.x() + ceilDivide((y - upper.y()) * across, rise);
                change[size_t(y) * stride + size_t(std::clamp<std::int64_t>(first, 0, width))] += direction;
            }
        }
    }
    std::vector<bool> shows(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        int winding = 0;
        for (int x = 0; x < width; ++x) {
            winding += change[size_t(y) * stride + size_t(x)];
            if (winding != 0)
                shows[size_t(y) * size_t(width) + size_t(x)] = true;
        }
    }
    return shows;
}

} // namespace kit
