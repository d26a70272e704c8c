#include "workbench/core/colouredit.h"
#include "workbench/core/colourfile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using tessel::ColourEntry;
using tessel::ColourTable;

TEST(Fade, RunsTheWorkedExampleRoundingToNearestTheSameWayUpAndDown)
{
    ColourTable before {};
    before[6] = {255, 128, 0};
    before[7] = {1, 1, 1};
    before[13] = {28, 28, 28};
    ColourTable expected = before;
    expected[3] = {64, 32, 0};
    expected[4] = {128, 64, 0};
    expected[5] = {191, 96, 0};
    // Steps of 4.5 from 1: the halves 5.5, 14.5 and 23.5 round up.
    expected[8] = {6, 6, 6};
    expected[9] = {10, 10, 10};
    expected[10] = {15, 15, 15};
    expected[11] = {19, 19, 19};
    expected[12] = {24, 24, 24};
    for (const bool upward : {true, false}) {
        ColourTable table = before;
        tessel::Fade(table, upward ? 2 : 6, upward ? 6 : 2);
        tessel::Fade(table, upward ? 7 : 13, upward ? 13 : 7);
        EXPECT_EQ(table, expected) << (upward ? "upward" : "downward");
    }
}

TEST(Fade, ChangesNothingOnOneEntryAndOtherwiseStoresWholeValuesUpTo255)
{
    ColourTable table {};
    table[0] = {12.4, 300, -3};
    const ColourTable before = table;
    tessel::Fade(table, 0, 0);
    EXPECT_EQ(table, before);

    table[2] = {400, 300, -3};
    tessel::Fade(table, 0, 2);
    EXPECT_EQ(table[0], (ColourEntry {12, 255, -3}));
    EXPECT_EQ(table[1], (ColourEntry {206, 255, -3}));
    EXPECT_EQ(table[2], (ColourEntry {255, 255, -3}));
}

TEST(Fade, KeepsTheEditedEntryAndWritesNumbersWhenTheFarEndHoldsAHugeValue)
{
    ColourTable table = tessel::colourTableFromText("0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0, 0, 1" + std::string(400, '0'));
    table[10] = {255, 0, 255};
    tessel::Fade(table, 10, 4);
    const std::string text = tessel::colourFileText(table);
    EXPECT_NE(text.find("\r\n 255, 0, 255  // 10\r\n"), std::string::npos);
    EXPECT_EQ(text.find_first_of("ni"), std::string::npos) << text;
}

TEST(Fade, StaysFiniteAndBetweenItsEndsForAnyEndValues)
{
    constexpr double kMax = std::numeric_limits<double>::max();
    const double ends[] = {-kMax, -1e300, -6e16, -0.5, 0, 12.5, 255.5, 6e16, 1e300, kMax};
    const auto cut = [](double value) { return value > 255 ? 255.0 : std::round(value); };
    for (const double low : ends)
        for (const double high : ends)
            for (const auto& [start, end] : {std::pair {4, 10}, {10, 4}, {0, 22}, {7, 8}}) {
                ColourTable table {};
                table[size_t(std::min(start, end))] = {low, high, low};
                table[size_t(std::max(start, end))] = {high, low, low};
                const ColourTable before = table;
                tessel::Fade(table, start, end);
                for (int k = std::min(start, end); k <= std::max(start, end); ++k)
                    for (size_t c = 0; c < 3; ++c) {
                        const double a = cut(before[size_t(std::min(start, end))][c]);
                        const double b = cut(before[size_t(std::max(start, end))][c]);
                        const double value = table[size_t(k)][c];
                        ASSERT_TRUE(std::isfinite(value) && value >= std::min(a, b) && value <= std::max(a, b))
                            << low << " to " << high << " from " << start << " to " << end << ": entry " << k << " is "
                            << value;
                    }
                EXPECT_EQ(table[size_t(start)], (ColourEntry {cut(before[size_t(start)][0]), cut(before[size_t(start)][1]),
                                                              cut(before[size_t(start)][2])}));
            }
}
