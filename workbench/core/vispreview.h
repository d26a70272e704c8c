#pragma once

#include "workbench/core/colourfile.h"

#include <QImage>
#include <QStringView>

#include <array>
#include <span>

// The visualization preview: three static pictures painted from the colour
// table, and the animated analyzer that copies one-pixel columns out of the
// static spectrum picture into the player's visualization area.
namespace tessel {

// The static pictures. The spectrum picture holds the three demonstration
// strips side by side (Normal at x 3, Fire at 22, Lines at 43) and plain
// background from x 64 on. It is as high as the background block the animation
// clears with, and so is the animated area: the strips stand on the bottom row
// of both, and every colour of a strip shows in the animated bars. The
// oscilloscope picture is wide enough for all six waves.
inline constexpr QSize kSpectrumSize {76, 18};
inline constexpr QSize kScopeSize {168, 18};
inline constexpr QSize kShadeSize {38, 9};
// The animated area covers the visualization area of the player's main window
// (x 24 to 99, y 43 to 58) from (25, 42).
inline constexpr QSize kVisAreaSize {76, 18};
inline constexpr QPoint kVisAreaOffset {25, 42};

inline constexpr int kNormalOffset = 3;
inline constexpr int kFireOffset = 22;
inline constexpr int kLinesOffset = 43;
// Where the animation takes the 12 x 18 block of background it clears with.
inline constexpr QRect kBackgroundBlock {64, 0, 12, 18};

// Repaints the three pictures from `table`; each must be a Format_RGB32
// picture of its size above.
//  - All three are filled with entry 0; the spectrum and the oscilloscope get a
//    dot of entry 1 at every even x and even y.
//  - Lines strip: a bar per entry 2..14 from x 45 on, one pixel wide (two for
//    5, 8, 11 and 14), each in its entry's colour, entry 2's 13 pixels high
//    and every next one a pixel lower.
//  - Fire strip: columns 23..39, each showing entries 3, 4, 5, ... from its top
//    row down (top row 5 above the bottom at the left, 1 at column 39).
//  - Normal strip: a row per entry 3..15 from x 3, entry 3 thirteen rows above
//    the bottom and 3 pixels long, each next row one lower and one longer
//    (two longer after entries 5, 8 and 11).
//  - Oscilloscope: six waves of seven segments in entries 18, 19, 20, 21, 21,
//    20, 19, the pen moving 2, 3, 4, 4, 5, 4, 3 pixels right before each and 3
//    more after the last.
//  - Window shade: 3 x 3 squares at x 0, 4, ... 28, y 3, in entries 17, 17,
//    17, 13, 13, 13, 2, 2.
void PaintPreview(const ColourTable& table, QImage& spectrum, QImage& scope, QImage& shade);

// Where an animated column starts and how many rows it copies, for a random
// bar value 0..17; the smaller the value, the taller the bar.
struct BarShape
{
    int top;
    int height;
};
inline constexpr std::array<BarShape, 18> barShape {{
    {3, 16}, {4, 15}, {5, 14}, {6, 13}, {6, 13}, {7, 12}, {8, 11}, {9, 10}, {9, 10},
    {10, 9}, {11, 6}, {11, 6}, {12, 5}, {13, 4}, {14, 3}, {15, 2}, {16, 1}, {16, 1},
}};

// The strip offset of the analyzer style named by `styleText` ("Normal",
// "Fire" or "Lines", exactly); any other text keeps `current`.
int styleOffsetFor(QStringView styleText, int current);

// One frame of the animated analyzer in `area` (Format_RGB32): the area is
// tiled with the background block of `spectrum`, then column x gets the
// one-pixel column of `spectrum` at x = styleOffset + bars[x] over the rows
// barShape[bars[x]] names, clipped by the area. `bars` holds one value 0..17
// per column of the area (columns without a value keep the background).
void animationStep(const QImage& spectrum, QImage& area, int styleOffset, std::span<const int> bars);

} // namespace tessel
