#include "skin_checker/core/regionshape.h"

#include "common/core/regionmask.h"

#include <algorithm>
#include <array>
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

std::vector<QPoint> cornersOf(const RegionPolygon& polygon)
{
    std::vector<QPoint> corners;
    corners.reserve(polygon.size());
    for (const RegionPoint& point : polygon)
        corners.push_back(kit::clampedPoint(double(point.x), double(point.y)));
    return corners;
}

} // namespace skincheck
