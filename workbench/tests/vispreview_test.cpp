#include "vispreview.h"

#include "pixels.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tessel;

namespace {

// Entry i is (i, 10 i, 255 - i): every entry its own colour.
ColourTable distinctTable()
{
    ColourTable table {};
    for (int i = 0; i < kColourEntries; ++i)
        table[static_cast<size_t>(i)] = {double(i), 10.0 * i, 255.0 - i};
    return table;
}

QRgb colourOfEntry(int i) { return qRgb(i, 10 * i, 255 - i); }

struct Pictures
{
    QImage spectrum = blankPicture(kSpectrumSize);
    QImage scope = blankPicture(kScopeSize);
    QImage shade = blankPicture(kShadeSize);

    void paint(const ColourTable& table) { PaintPreview(table, spectrum, scope, shade); }
};

constexpr int kBottom = kSpectrumSize.height() - 1;

} // namespace

TEST(PaintPreview, ShowsOnlyTheTallestLinesBarRedWhenOnlyEntryTwoIsRed)
{
    ColourTable table {};
    table[2] = {255, 0, 0};
    Pictures pictures;
    pictures.paint(table);

    const QRgb red = qRgb(255, 0, 0);
    for (int y = 0; y < kSpectrumSize.height(); ++y)
        for (int x = kLinesOffset; x < kBackgroundBlock.left(); ++x) {
            const bool inTallestBar = x == 45 && y >= kBottom - 12;
            EXPECT_EQ(pictures.spectrum.pixel(x, y) == red, inTallestBar) << x << "," << y;
        }
}

TEST(PaintPreview, ColoursTheFireAndNormalStripsByRow)
{
    Pictures pictures;
    pictures.paint(distinctTable());
    const auto at = [&](int x, int y) { return pictures.spectrum.pixel(x, y); };

    // Fire: every column runs from entry 3 at its own top downwards.
    EXPECT_EQ(at(23, kBottom - 4), colourOfEntry(3));
    EXPECT_EQ(at(23, kBottom), colourOfEntry(7));
    EXPECT_EQ(at(26, kBottom - 4), colourOfEntry(3));
    EXPECT_EQ(at(27, kBottom - 3), colourOfEntry(3));
    EXPECT_EQ(at(34, kBottom - 2), colourOfEntry(3));
    EXPECT_EQ(at(38, kBottom), colourOfEntry(4));
    EXPECT_EQ(at(39, kBottom), colourOfEntry(3));
    EXPECT_NE(at(23, kBottom - 5), colourOfEntry(3));
    EXPECT_NE(at(40, kBottom), colourOfEntry(3));

    // Normal: a row per entry, entry 3 thirteen rows up and shortest, entry 15 at the bottom and longest.
    EXPECT_EQ(at(3, kBottom - 12), colourOfEntry(3));
    EXPECT_EQ(at(5, kBottom - 12), colourOfEntry(3));
    EXPECT_NE(at(6, kBottom - 12), colourOfEntry(3));
    EXPECT_EQ(at(9, kBottom - 9), colourOfEntry(6));
    EXPECT_NE(at(10, kBottom - 9), colourOfEntry(6));
    EXPECT_EQ(at(3, kBottom), colourOfEntry(15));
    EXPECT_EQ(at(20, kBottom), colourOfEntry(15));
    EXPECT_NE(at(21, kBottom), colourOfEntry(15));
}

TEST(PaintPreview, PaintsBackgroundGridOscilloscopeAndWindowShadeFromTheirEntries)
{
    Pictures pictures;
    pictures.paint(distinctTable());

    EXPECT_EQ(pictures.spectrum.pixel(64, 0), colourOfEntry(1));
    EXPECT_EQ(pictures.spectrum.pixel(65, 0), colourOfEntry(0));
    EXPECT_EQ(pictures.spectrum.pixel(64, 1), colourOfEntry(0));
    EXPECT_EQ(pictures.scope.pixel(166, 0), colourOfEntry(1));

    // Every oscilloscope colour shows, and no other entry does.
    std::vector<int> seen(kColourEntries, 0);
    for (int y = 0; y < kScopeSize.height(); ++y)
        for (int x = 0; x < kScopeSize.width(); ++x)
            for (int i = 0; i < kColourEntries; ++i)
                seen[static_cast<size_t>(i)] += pictures.scope.pixel(x, y) == colourOfEntry(i);
    for (int i = 2; i < kColourEntries; ++i)
        EXPECT_EQ(seen[static_cast<size_t>(i)] > 0, i >= 18 && i <= 21) << "entry " << i;
    // The sixth wave still fits: its first segment crosses column 141.
    bool sixthWaveShows = false;
    for (int y = 0; y < kScopeSize.height(); ++y)
        sixthWaveShows = sixthWaveShows || pictures.scope.pixel(5 * 28 + 1, y) == colourOfEntry(18);
    EXPECT_TRUE(sixthWaveShows);

    const int squareEntries[] = {17, 17, 17, 13, 13, 13, 2, 2};
    for (int square = 0; square < 8; ++square) {
        EXPECT_EQ(pictures.shade.pixel(4 * square, 3), colourOfEntry(squareEntries[square])) << square;
        EXPECT_EQ(pictures.shade.pixel(4 * square + 2, 5), colourOfEntry(squareEntries[square])) << square;
        EXPECT_EQ(pictures.shade.pixel(4 * square + 3, 4), colourOfEntry(0)) << square;
    }
    EXPECT_EQ(pictures.shade.pixel(0, 2), colourOfEntry(0));
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

TEST(AnimationStep, ShowsTheStaticStripsColours)
{
    Pictures pictures;
    pictures.paint(distinctTable());
    QImage area = blankPicture(kVisAreaSize);
    // Value 2 picks column 45, the Lines strip's tallest bar; above the bar lies background.
    const std::vector<int> bars(static_cast<size_t>(area.width()), 2);
    animationStep(pictures.spectrum, area, kLinesOffset, bars);
    EXPECT_EQ(area.pixel(11, 4), colourOfEntry(0));
    EXPECT_EQ(area.pixel(10, 5), colourOfEntry(2));
    EXPECT_EQ(area.pixel(10, 17), colourOfEntry(2));

    // The bottom row of the Normal strip, entry 15, reaches the animation too.
    animationStep(pictures.spectrum, area, kNormalOffset, std::vector<int>(static_cast<size_t>(area.width()), 0));
    EXPECT_EQ(area.pixel(10, 17), colourOfEntry(15));
    EXPECT_EQ(area.pixel(10, 5), colourOfEntry(3));
}
