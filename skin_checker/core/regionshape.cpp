#include "skin_checker/core/regionshape.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace skincheck {
namespace {

constexpr std::array<RegionWindow, 4> kWindows {{
    {"Normal", 275, 116},
    {"Equalizer", 275, 116},
    {"WindowShade", 275, 14},
    {"EqualizerWS", 275, 14},
}};

constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();

bool isSeparator(char c) { return c == ',' || c == ' ' || c == '\t'; }

// The number `token` is, or nothing when it is no whole number.
bool wholeNumber(std::string_view token, std::int64_t& number)
{
    size_t at = token.starts_with('-') || token.starts_with('+') ? 1 : 0;
    if (at == token.size())
        return false;
    std::int64_t value = 0;
    for (; at < token.size(); ++at) {
        if (token[at] < '0' || token[at] > '9')
            return false;
        value = std::min(value * 10 + (token[at] - '0'), kLargest + 1);
    }
    number = token.starts_with('-') ? -value : std::min(value, kLargest);
    return true;
}

// One polygon's covered pixels, ORed into `mask`.
void fillPolygon(const RegionPolygon& polygon, int width, int height, std::vector<bool>& mask)
{
    struct Crossing
    {
        double x;
        int direction;
    };
    std::vector<Crossing> crossings;
    for (int row = 0; row < height; ++row) {
        const double centre = row + 0.5;
        crossings.clear();
        for (size_t i = 0; i < polygon.size(); ++i) {
            const RegionPoint& a = polygon[i];
            const RegionPoint& b = polygon[(i + 1) % polygon.size()];
            const auto top = static_cast<double>(std::min(a.y, b.y));
            const auto bottom = static_cast<double>(std::max(a.y, b.y));
            // Corners lie on whole numbers and centres halfway between, so no
            // centre ever meets a corner's row.
            if (a.y == b.y || centre < top || centre > bottom)
                continue;
            const double x = static_cast<double>(a.x)
                             + (centre - static_cast<double>(a.y)) * static_cast<double>(b.x - a.x)
                                   / static_cast<double>(b.y - a.y);
            crossings.push_back({x, b.y > a.y ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        int winding = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += crossings[i].direction;
            if (winding == 0)
                continue;
            // Pixels whose centre x + 0.5 lies in [left, right).
            const double first = std::clamp(std::ceil(crossings[i].x - 0.5), 0.0, static_cast<double>(width));
            const double last = std::clamp(std::ceil(crossings[i + 1].x - 0.5), 0.0, static_cast<double>(width));
            for (auto x = static_cast<int>(first); x < static_cast<int>(last); ++x)
                mask[static_cast<size_t>(row) * static_cast<size_t>(width) + static_cast<size_t>(x)] = true;
        }
    }
}

} // namespace

std::span<const RegionWindow> regionWindows() { return kWindows; }

NumberList readNumberList(std::string_view value)
{
    NumberList list;
    size_t at = 0;
    while (at < value.size()) {
        if (isSeparator(value[at])) {
            ++at;
            continue;
        }
        size_t end = at;
        while (end < value.size() && !isSeparator(value[end]))
            ++end;
        const std::string_view token = value.substr(at, end - at);
        std::int64_t number = 0;
        if (!wholeNumber(token, number)) {
            list.notANumber = token;
            break;
        }
        list.numbers.push_back(number);
        at = end;
    }
    return list;
}

std::vector<bool> regionMask(std::span<const RegionPolygon> polygons, int width, int height)
{
    std::vector<bool> mask(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (const RegionPolygon& polygon : polygons)
        if (polygon.size() >= 3)
            fillPolygon(polygon, width, height, mask);
    return mask;
}

} // namespace skincheck
