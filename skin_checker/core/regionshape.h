#pragma once

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

// Which pixels of a `width` x `height` window the polygons cover, row by row.
// Corners lie on the grid between pixels, (0, 0) being the window's top left
// corner, so the rectangle (0, 0), (10, 0), (10, 5), (0, 5) covers exactly the
// 50 pixels from (0, 0) to (9, 4). A pixel is covered when its centre lies inside
// a polygon by the non-zero winding rule, a centre on a left edge counting as
// inside and one on a right edge as outside; the region is the union of its
// polygons. Of the ways a player may fill and join polygons this covers the
// most pixels, so a region said to cover no pixel covers none however it is
// filled.
std::vector<bool> regionMask(std::span<const RegionPolygon> polygons, int width, int height);

} // namespace skincheck
