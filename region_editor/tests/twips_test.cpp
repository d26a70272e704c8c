#include "region_editor/core/twips.h"

#include <gtest/gtest.h>

TEST(Twips, RoundToTheNearestPixel)
{
    EXPECT_EQ(plevo::twipsToPixels(4125), 275);
    EXPECT_EQ(plevo::twipsToPixels(2180), 145); // 145.33
    EXPECT_EQ(plevo::twipsToPixels(2790), 186);
    EXPECT_EQ(plevo::twipsToPixels(1612), 107); // 107.47
    EXPECT_EQ(plevo::twipsToPixels(1560), 104);
    EXPECT_EQ(plevo::twipsToPixels(7.5), 1);    // a half rounds up
    EXPECT_EQ(plevo::twipsToPixels(7.4), 0);
    EXPECT_EQ(plevo::twipsToPixels(-1485), -99);
    EXPECT_EQ(plevo::twipsToPixels(-7.5), -1);  // and away from zero below it
}
