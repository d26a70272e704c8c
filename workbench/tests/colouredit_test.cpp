#include "colouredit.h"

#include <gtest/gtest.h>

using tessel::ColourEntry;
using tessel::ColourTable;

TEST(Fade, RunsTheWorkedExampleRoundingToNearest)
{
    ColourTable table {};
    table[2] = {0, 0, 0};
    table[6] = {255, 128, 0};
    table[7] = {1, 2, 3};
    tessel::Fade(table, 2, 6);
    EXPECT_EQ(table[2], (ColourEntry {0, 0, 0}));
    EXPECT_EQ(table[3], (ColourEntry {64, 32, 0}));
    EXPECT_EQ(table[4], (ColourEntry {128, 64, 0}));
    EXPECT_EQ(table[5], (ColourEntry {191, 96, 0}));
    EXPECT_EQ(table[6], (ColourEntry {255, 128, 0}));
    EXPECT_EQ(table[1], (ColourEntry {0, 0, 0}));
    EXPECT_EQ(table[7], (ColourEntry {1, 2, 3}));
}

TEST(Fade, GivesTheSameTableWhicheverEndTheEditedEntryIs)
{
    ColourTable up {};
    up[2] = {10, 200, 255};
    up[5] = {250, 0, 17};
    ColourTable down = up;
    tessel::Fade(up, 2, 5);
    tessel::Fade(down, 5, 2);
    EXPECT_EQ(up, down);
    EXPECT_EQ(up[3], (ColourEntry {90, 133, 176}));
    EXPECT_EQ(up[4], (ColourEntry {170, 67, 96}));
}

TEST(Fade, LeavesTheTableAloneOnOneEntryAndOutsideIt)
{
    ColourTable table {};
    table[4] = {12.5, 300, -3};
    const ColourTable before = table;
    tessel::Fade(table, 4, 4);
    tessel::Fade(table, 4, 23);
    tessel::Fade(table, -1, 4);
    EXPECT_EQ(table, before);
}

TEST(Fade, MakesStoredValuesWholeAndCutsThoseAbove255)
{
    ColourTable table {};
    table[0] = {12.4, 0, 0};
    table[2] = {400, 0, 0};
    tessel::Fade(table, 0, 2);
    EXPECT_EQ(table[0][0], 12);
    EXPECT_EQ(table[1][0], 206);
    EXPECT_EQ(table[2][0], 255);
}

TEST(BarValue, CutsToTheBarsRangeAndRoundsToNearest)
{
    EXPECT_EQ(tessel::barValue(300), 255);
    EXPECT_EQ(tessel::barValue(-3), 0);
    EXPECT_EQ(tessel::barValue(12.5), 13);
    EXPECT_EQ(tessel::barValue(12.4), 12);
    EXPECT_EQ(tessel::entryColour({300, 12.5, -3}), qRgb(255, 13, 0));

    ColourEntry entry {300, 12.5, -3};
    tessel::cutTo255(entry);
    EXPECT_EQ(entry, (ColourEntry {255, 12.5, -3}));
}
