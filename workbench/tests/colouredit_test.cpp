#include "colouredit.h"

#include <gtest/gtest.h>

using tessel::ColourEntry;
using tessel::ColourTable;

TEST(Fade, RunsTheWorkedExampleRoundingToNearestTheSameWayUpAndDown)
{
    ColourTable before {};
    before[6] = {255, 128, 0};
    before[7] = {1, 2, 3};
    ColourTable expected = before;
    expected[3] = {64, 32, 0};
    expected[4] = {128, 64, 0};
    expected[5] = {191, 96, 0};
    for (const auto& [start, end] : {std::pair {2, 6}, {6, 2}}) {
        ColourTable table = before;
        tessel::Fade(table, start, end);
        EXPECT_EQ(table, expected) << start << " to " << end;
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
