#include "workbench/core/vispreview.h"

#include "workbench/core/pixels.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace tessel;

namespace {

// Entry i is (i, 10 i, 255 - i): every entry its own colour.
QRgb colourOfEntry(int i) { return qRgb(i, 10 * i, 255 - i); }

ColourTable distinctTable()
{
    ColourTable table {};
    for (int i = 0; i < kColourEntries; ++i)
        table[static_cast<size_t>(i)] = {double(i), 10.0 * i, 255.0 - i};
    return table;
}

struct Pictures
{
    explicit Pictures(const ColourTable& table = distinctTable()) { PaintPreview(table, spectrum, scope, shade); }

    QImage spectrum = blankPicture(kSpectrumSize);
    QImage scope = blankPicture(kScopeSize);
    QImage shade = blankPicture(kShadeSize);
};

constexpr int kBottom = kSpectrumSize.height() - 1;

} // namespace

TEST(PaintPreview, ShowsOnlyTheTallestLinesBarRedWhenOnlyEntryTwoIsRed)
{
    ColourTable table {};
    table[2] = {255, 0, 0};
    const Pictures pictures(table);
    for (int y = 0; y < kSpectrumSize.height(); ++y)
        for (int x = kLinesOffset; x < kBackgroundBlock.left(); ++x)
            EXPECT_EQ(pictures.spectrum.pixel(x, y) == qRgb(255, 0, 0), x == 45 && y >= kBottom - 12) << x << "," << y;
}

TEST(PaintPreview, ColoursTheFireAndNormalStripsByRow)
{
    const Pictures pictures;
    struct Expected { int x, y, entry; bool shown; };
    const Expected points[] = {
        // Fire: every column runs from entry 3 at its own top downwards.
        {23, kBottom - 4, 3, true}, {23, kBottom, 7, true}, {26, kBottom - 4, 3, true}, {27, kBottom - 3, 3, true},
        {34, kBottom - 2, 3, true}, {38, kBottom, 4, true}, {39, kBottom, 3, true}, {23, kBottom - 5, 3, false},
        {40, kBottom, 3, false},
        // Normal: a row per entry, entry 3 thirteen rows up and shortest, entry 15 at the bottom and longest.
        {3, kBottom - 12, 3, true}, {5, kBottom - 12, 3, true}, {6, kBottom - 12, 3, false}, {9, kBottom - 9, 6, true},
        {10, kBottom - 9, 6, false}, {3, kBottom, 15, true}, {20, kBottom, 15, true}, {21, kBottom, 15, false},
    };
    for (const Expected& point : points)
        EXPECT_EQ(pictures.spectrum.pixel(point.x, point.y) == colourOfEntry(point.entry), point.shown)
            << point.x << "," << point.y;
}

TEST(PaintPreview, PaintsBackgroundGridOscilloscopeAndWindowShadeFromTheirEntries)
{
    const Pictures pictures;
    EXPECT_EQ(pictures.spectrum.pixel(64, 0), colourOfEntry(1));
    EXPECT_EQ(pictures.spectrum.pixel(65, 0), colourOfEntry(0));
    EXPECT_EQ(pictures.spectrum.pixel(64, 1), colourOfEntry(0));
    EXPECT_EQ(pictures.scope.pixel(166, 0), colourOfEntry(1));

    // The oscilloscope shows entries 18 to 21 over the background, and its
    // sixth wave still fits: its first segment crosses column 141.
    std::set<QRgb> seen, sixthWave;
    for (int y = 0; y < kScopeSize.height(); ++y) {
        for (int x = 0; x < kScopeSize.width(); ++x)
            seen.insert(pictures.scope.pixel(x, y));
        sixthWave.insert(pictures.scope.pixel(141, y));
    }
    EXPECT_EQ(seen, (std::set {colourOfEntry(0), colourOfEntry(1), colourOfEntry(18), colourOfEntry(19),
                               colourOfEntry(20), colourOfEntry(21)}));
    EXPECT_TRUE(sixthWave.count(colourOfEntry(18)));

    // Squares of 3 x 3 at x 0, 4, ... 28 from row 3, with a background gap between them.
    const int squareEntries[] = {17, 17, 17, 13, 13, 13, 2, 2};
    for (int square = 0; square < 8; ++square)
        for (const auto& [dx, dy, entry] : {std::tuple {0, 0, squareEntries[square]}, {2, 2, squareEntries[square]},
                                            {3, 1, 0}, {0, -1, 0}})
            EXPECT_EQ(pictures.shade.pixel(4 * square + dx, 3 + dy), colourOfEntry(entry)) << square;
}

TEST(AnimationStep, CopiesOneColumnPerBarFromTheStylesStripOverTiledBackground)
{
    // A source where every pixel tells where it came from.
    QImage spectrum = blankPicture(kSpectrumSize);
    for (int y = 0; y < spectrum.height(); ++y)
        for (int x = 0; x < spectrum.width(); ++x)
            spectrum.setPixel(x, y, qRgb(x, y, 7));
    QImage area = blankPicture(kVisAreaSize);
    std::vector<int> bars(static_cast<size_t>(area.width()));
    for (size_t x = 0; x < bars.size(); ++x)
        bars[x] = static_cast<int>((x * 5) % 18);

    for (const int styleOffset : {kNormalOffset, kFireOffset, kLinesOffset}) {
        animationStep(spectrum, area, styleOffset, bars);
        for (int x = 0; x < area.width(); ++x) {
            const int bar = bars[static_cast<size_t>(x)];
            const BarShape shape = barShape[static_cast<size_t>(bar)];
            for (int y = 0; y < area.height(); ++y) {
                const bool inBar = y >= shape.top && y < shape.top + shape.height;
                const QRgb expected = inBar ? qRgb(styleOffset + bar, y, 7) : qRgb(64 + x % 12, y, 7);
                ASSERT_EQ(area.pixel(x, y), expected) << "style " << styleOffset << " at " << x << "," << y;
            }
        }
    }
}

TEST(StyleOffset, FollowsTheThreeStyleNamesExactlyAndKeepsTheLastForAnyOtherText)
{
    const std::pair<const char*, int> styles[] = {{"Normal", 3}, {"Fire", 22}, {"Lines", 43}, {"Fi", 7}, {"normal", 7}, {"", 7}};
    for (const auto& [text, offset] : styles)
        EXPECT_EQ(styleOffsetFor(QString::fromLatin1(text), 7), offset) << text;
}
