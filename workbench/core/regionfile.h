#pragma once

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The workbench's region file: one "[Normal]" section with several polygons,
// a count per polygon ("NumPoints=12,7,") and all their corners in one list
// ("Pointlist=x1,y1,x2,y2,...,"). The reader also takes the region editor's
// one-polygon Region.txt.
namespace tessel {

// A region file is a few lines; a generous bound keeps a wrongly chosen file out.
inline constexpr std::uintmax_t kRegionFileSizeLimit = 16u << 20;

// The whole file text: ";Made With Tessel 2.x" and a credit on one line,
// "[Normal]", "NumPoints=" and `counts`, each line ended by CR LF, then
// "Pointlist=" and `points` with no line end after them.
std::string regionFileText(std::string_view counts, std::string_view points);

// Replaces the file at `path` with regionFileText(counts, points), whole: a
// failure leaves the old file as it was. Returns an empty string or the reason.
[[nodiscard]] std::string WriteRegionFile(const std::filesystem::path& path, std::string_view counts,
                                          std::string_view points);

// Whether `path` names a region file by its usual name, Region.txt in any case,
// as the desktop's file types tell it from other text.
bool hasRegionFileName(const std::filesystem::path& path);

// Whether `text` holds a region, as the reader finds one: "NumPoints=" in any case.
bool holdsRegion(std::string_view text);

// The parts of a region file text that the drawing takes, as views into that text.
struct RegionText
{
    std::string_view counts;
    std::string_view pointList;
};

// Finds the counts and the point list in `text`:
// - The counts start right after "NumPoints=", found without regard to case,
//   and run up to the first capital "P" after it, less the line end before
//   that "P": one character where it is an LF alone, else two (a CR LF).
// - The point list starts ten characters after that "P" (past "PointList=" or
//   "Pointlist=") and runs to the end of the text.
// Without "NumPoints=" both are empty. Without a "P" after it the counts run to
// the end of the text, less a line end there, and the list is empty.
RegionText readRegionText(std::string_view text);

// One polygon of a region: the text its count was read from, its corners, and
// whether the list held all the corners the count asked for.
struct RegionPolygon
{
    std::string_view countText;
    std::vector<QPoint> corners;
    bool complete = true;
};

// Hands `visit` the polygons that `counts` and `list` describe, one at a time
// (the polygon passed is reused for the next one). Each comma of the counts
// ends one count, read as leadingNumber reads it (characters after the last
// comma give none); a count below one gives a polygon without corners. Each
// polygon takes that many x, y pairs from the list, whose numbers are separated
// by commas; the text after the list's last comma is a number only when it
// holds more than blanks and line ends. When the list runs out, the polygon
// keeps the whole pairs it got, is marked incomplete, and is the last one.
// Coordinates are rounded and kept within +-2^24.
void forEachRegionPolygon(std::string_view counts, std::string_view list,
                          const std::function<void(const RegionPolygon&)>& visit);

// Draws the polygons over `picture` (Format_RGB32): from each corner a line to
// the next in `pen`, and for a complete polygon of more than two corners a
// green line from its last corner back to its first. Returns the count text of
// the last polygon, or an empty text when there is none.
std::string_view DrawRegion(QImage& picture, std::string_view counts, std::string_view list, QRgb pen);

} // namespace tessel
