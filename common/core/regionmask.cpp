#include "common/core/regionmask.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace kit {
namespace {

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

// Where an edge meets the line of each row it crosses, from `row` down: its
// first pixel, the first whose corner lies on the edge or right of it, kept
// within 0 to `width`. The edge meets row y's line at
// upper.x + (y - upper.y) * across / rise; the walk steps that from row to row
// in whole numbers, without a division for each.
class EdgeWalk
{
public:
    EdgeWalk(const Edge& edge, int row)
        : m_rise(std::int64_t(edge.lower.y()) - edge.upper.y())
    {
        const std::int64_t across = std::int64_t(edge.lower.x()) - edge.upper.x();
        const std::int64_t reach = (row - edge.upper.y()) * across;
        // reach / rise, rounded up, as a whole part and what it holds beyond reach.
        m_offset = reach / m_rise + (reach % m_rise > 0 ? 1 : 0);
        m_beyond = m_offset * m_rise - reach;
        // across / rise, rounded down, and its remainder.
        m_step = across / m_rise - (across % m_rise < 0 ? 1 : 0);
        m_stepRemainder = across - m_step * m_rise;
        m_start = edge.upper.x();
    }

    int firstPixel(int width) const
    {
        return static_cast<int>(std::clamp<std::int64_t>(m_start + m_offset, 0, width));
    }

    void nextRow()
    {
        m_offset += m_step;
        m_beyond -= m_stepRemainder;
        if (m_beyond < 0) {
            ++m_offset;
            m_beyond += m_rise;
        }
    }

private:
    std::int64_t m_rise;
    std::int64_t m_start = 0;
    std::int64_t m_offset = 0;
    std::int64_t m_beyond = 0;
    std::int64_t m_step = 0;
    std::int64_t m_stepRemainder = 0;
};

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
        const int firstRow = std::max(edge.upper.y(), 0);
        const int endRow = std::min(edge.lower.y(), height);
        if (firstRow >= endRow)
            return;
        EdgeWalk walk(edge, firstRow);
        for (int y = firstRow; y < endRow; ++y, walk.nextRow())
            change[size_t(y) * stride + size_t(walk.firstPixel(width))] += edge.direction;
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
    struct Walked
    {
        Edge edge;
        EdgeWalk walk;
    };
    std::vector<Walked> edges;
    forEachEdge(polygons, [&](const Edge& edge) {
        if (std::max(edge.upper.y(), top) < std::min(edge.lower.y(), bottom))
            edges.push_back({edge, EdgeWalk(edge, std::max(edge.upper.y(), top))});
    });
    // Row by row, where the winding number changes, in order: between two
    // changes it holds, and a stretch with pixels in it that winds shows.
    std::vector<std::pair<int, int>> changes;
    for (int y = top; y < bottom; ++y) {
        changes.clear();
        for (Walked& walked : edges)
            if (walked.edge.upper.y() <= y && y < walked.edge.lower.y()) {
                changes.emplace_back(walked.walk.firstPixel(width), walked.edge.direction);
                walked.walk.nextRow();
            }
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
