#include "button_builder/core/randomcolours.h"

#include <gtest/gtest.h>

#include <set>

TEST(RandomColours, DrawsWithinOneClockTickDifferAndCoverZeroTo254)
{
    knapro::ClockMixedRandom random([] { return std::uint64_t {45296}; }, 7);
    std::set<int> seen;
    for (int draw = 0; draw < 66; ++draw)
        seen.insert(random.Random());
    EXPECT_GT(seen.size(), 30u);
    for (int draw = 0; draw < 20000; ++draw)
        seen.insert(random.Random());
    EXPECT_EQ(seen.size(), 255u);
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 254);
}

TEST(RandomColours, TheFileHasTwoBlackLinesThen22DrawnInRedGreenBlueOrder)
{
    int next = 0;
    const std::string text = knapro::randomColourFileBytes([&next] { return static_cast<std::int16_t>(next++ * 4 % 255); });
    EXPECT_EQ(next, 66);
    const std::string expected =
        "0,0,0\r\n0,0,0\r\n"
        "0,4,8\r\n12,16,20\r\n24,28,32\r\n36,40,44\r\n48,52,56\r\n60,64,68\r\n72,76,80\r\n84,88,92\r\n"
        "96,100,104\r\n108,112,116\r\n120,124,128\r\n132,136,140\r\n144,148,152\r\n156,160,164\r\n"
        "168,172,176\r\n180,184,188\r\n192,196,200\r\n204,208,212\r\n216,220,224\r\n228,232,236\r\n"
        "240,244,248\r\n252,1,5\r\n";
    EXPECT_EQ(text, expected);
}
