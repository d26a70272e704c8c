#include "common/core/regionmask.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// Tessel's tests hold the rule to the main window pixel by pixel; these hold it
// to a window of another size, as the window-shade sections have.
TEST(WindingMask, KeepsToTheWindowItIsGiven)
{
    struct Case
    {
        const char* what;
        std::vector<std::vector<QPoint>> polygons;
        size_t shown;
    };
    const Case cases[] = {
        {"a rectangle", {{{0, 0}, {10, 0}, {10, 5}, {0, 5}}}, 50},
        {"a rectangle reaching past every edge", {{{-5, -5}, {20, -5}, {20, 30}, {-5, 30}}}, 96},
        {"a loop traced twice", {{{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}, {4, 0}, {4, 4}, {0, 4}}}, 16},
        {"two polygons overlapping the same way round", {{{0, 0}, {4, 0}, {4, 4}, {0, 4}}, {{2, 0}, {6, 0}, {6, 4}, {2, 4}}}, 24},
        {"a polygon wholly right of the window", {{{12, 0}, {30, 0}, {30, 5}}}, 0},
        {"a polygon wholly below the window", {{{0, 8}, {5, 8}, {5, 20}}}, 0},
        {"a line there and back", {{{0, 0}, {12, 8}, {0, 0}, {12, 8}}}, 0},
        {"two polygons that cancel", {{{0, 0}, {4, 0}, {4, 4}, {0, 4}}, {{0, 0}, {0, 4}, {4, 4}, {4, 0}}}, 0},
        {"a sliver that holds one corner of a pixel", {{{3, 2}, {4, 7}, {3, 3}}}, 1},
        {"a triangle whose only corner inside lies on its right edge", {{{3, 2}, {3, 6}, {1, 4}}}, 4},
    };
    for (const Case& test : cases) {
        const std::vector<bool> mask = kit::windingMask(test.polygons, 12, 8);
        ASSERT_EQ(mask.size(), 96u);
        EXPECT_EQ(size_t(std::count(mask.begin(), mask.end(), true)), test.shown) << test.what;
        // The check for any pixel at all, which the skin checker makes for each polygon, agrees.
        EXPECT_EQ(kit::showsAnyPixel(test.polygons, 12, 8), test.shown > 0) << test.what;
    }
    const std::vector<bool> rectangle = kit::windingMask(cases[0].polygons, 12, 8);
    EXPECT_TRUE(rectangle[0] && rectangle[4 * 12 + 9]) << "the last pixel inside";
    EXPECT_FALSE(rectangle[10] || rectangle[5 * 12]) << "the pixels beyond the right and bottom edges";
}

} // namespace

// Tessel's region files and drawing and the skin checker keep corners in one range.
TEST(ClampedCoordinate, RoundsToTheNearestAndKeepsWithinTwoToThe24)
{
    constexpr int kFar = 1 << 24;
    const std::pair<double, int> cases[] = {{2.4, 2}, {2.5, 3}, {-2.5, -3}, {16777216.4, kFar}, {1e12, kFar},
                                            {-1e12, -kFar}, {std::numeric_limits<double>::infinity(), kFar}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(kit::clampedCoordinate(value), expected) << value;
    EXPECT_EQ(kit::clampedPoint(-1e300, 7.5), QPoint(-kFar, 8));
}
