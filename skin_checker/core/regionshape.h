#pragma once

#include <QPoint>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The shapes a region file gives the player's windows, read as the player reads
// them: each section names a window, NumPoints gives the number of corners of
// each polygon and PointList all their corners, x then y.
namespace skincheck {

struct RegionWindow
{
    std::string_view section; // "Normal"
    int width;
    int height;
};

// The main window, the equalizer and both in their window-shade modes.
std::span<const RegionWindow> regionWindows();

// The whole numbers of a NumPoints or PointList value, separated by commas,
// blanks or both; a trailing comma ends no number. A number beyond the 32-bit
// range is kept at its end of that range. `notANumber` is the first part that
// is no whole number, or empty.
struct NumberList
{
    std::vector<std::int64_t> numbers;
    std::string_view notANumber;
};
NumberList readNumberList(std::string_view value);

struct RegionPoint
{
    std::int64_t x = 0;
    std::int64_t y = 0;
};
using RegionPolygon = std::vector<RegionPoint>;

// The corners for kit::windingMask, each kept within +-2^24 by kit::clampedPoint,
// as Tessel keeps those it reads.
std::vector<QPoint> cornersOf(const RegionPolygon& polygon);

} // namespace skincheck
