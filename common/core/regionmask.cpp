#include "common/core/regionmask.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace kit {
namespace {

// The smallest whole number not below numerator / denominator, for a positive denominator.
std::int64_t ceilDivide(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t quotient = numerator / denominator;
    return quotient + (numerator % denominator > 0 ? 1 : 0);
}

// An edge that is not level, by its upper and lower end. Downwards the winding
// number grows, upwards it falls. The edge holds the line of its upper end's
// row, not its lower end's.
struct Edge
{
    QPoint upper;
    QPoint lower;
    int direction = 0; // 0 for a level edge, which changes no winding number
};

Edge edgeOf(QPoint from, QPoint to)
{
    if (from.y() == to.y())
        return {};
    const int direction = to.y() > from.y() ? 1 : -1;
    return direction > 0 ? Edge {from, to, direction} : Edge {to, from, direction};
}

// The first pixel of row `y` whose corner lies on the edge or right of it,
// kept within 0 to `width`. The edge meets the row's line at
// upper.x + (y - upper.y) * across / rise.
int firstPixel(const Edge& edge, int y, int width)
{
    const std::int64_t rise = std::int64_t(edge.lower.y()) - edge.upper.y();
    const std::int64_t across = std::int64_t(edge.lower.x()) - edge.upper.x();
    const std::int64_t first = edge.upper.x() + ceilDivide((y - edge.upper.y()) * across, rise);
    return static_cast<int>(std::clamp<std::int64_t>(first, 0, width));
}

template <class EachEdge> void forEachEdge(std::span<const std::vector<QPoint>> polygons, EachEdge each)
{
    for (const std::vector<QPoint>& corners : polygons)
        for (size_t i = 0; i < corners.size(); ++i)
            if (const Edge edge = edgeOf(corners[i], corners[(i + 1) % corners.size()]); edge.direction != 0)
                each(edge);
}

} // namespace

std::vector<bool> windingMask(std::span<const std::vector<QPoint>> polygons, int width, int height)
{
    // For each row, how the winding number changes at each pixel: every edge
    // that crosses the row's line changes it from its first pixel on. One
    // spare column takes the changes beyond the window.
    const auto stride = static_cast<size_t>(width) + 1;
    std::vector<int> change(stride * static_cast<size_t>(height));
    forEachEdge(polygons, [&](const Edge& edge) {
        const int endRow = std::min(edge.lower.y(), height);
        for (int y = std::max(edge.upper.y(), 0); y < endRow; ++y)
            change[size_t(y) * stride + size_t(firstPixel(edge, y, width))] += edge.direction;
    });
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

bool showsAnyPixel(std::span<const std::vector<QPoint>> polygons, int width, int height)
{
    // Only pixels whose corner lies within the corners' bounds, clipped to the
    // window, can show.
    int left = width;
    int right = 0;
    int top = height;
    int bottom = 0;
    for (const std::vector<QPoint>& corners : polygons)
        for (const QPoint corner : corners) {
            left = std::min(left, std::max(corner.x(), 0));
            right = std::max(right, std::min(corner.x(), width));
            top = std::min(top, std::max(corner.y(), 0));
            bottom = std::max(bottom, std::min(corner.y(), height));
        }
    if (left >= right)
        return false;
    std::vector<Edge> edges;
    forEachEdge(polygons, [&edges](const Edge& edge) { edges.push_back(edge); });
    // Row by row, where the winding number changes, in order: between two
    // changes it holds, and a stretch with pixels in it that winds shows.
    std::vector<std::pair<int, int>> changes;
    for (int y = top; y < bottom; ++y) {
        changes.clear();
        for (const Edge& edge : edges)
            if (edge.upper.y() <= y && y < edge.lower.y())
                changes.emplace_back(firstPixel(edge, y, width), edge.direction);
        std::sort(changes.begin(), changes.end());
        int winding = 0;
        for (size_t i = 0; i < changes.size(); ++i) {
            winding += changes[i].second;
            const int next = i + 1 < changes.size() ? changes[i + 1].first : width;
            if (winding != 0 && changes[i].first < next)
                return true;
        }
    }
    return false;
}

int clampedCoordinate(double value)
{
    constexpr double kFar = 1 << 24;
    return static_cast<int>(std::lround(std::clamp(value, -kFar, kFar)));
}

QPoint clampedPoint(double x, double y) { return {clampedCoordinate(x), clampedCoordinate(y)}; }

} // namespace kit
