#include "workbench/core/regionshape.h"

#include "workbench/core/pixels.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using tessel::ShapeMask;

namespace {

using Polygon = std::vector<QPoint>;

// Where the first pixel of `mask` differs from `expected`, or an empty text.
std::string firstDifference(const ShapeMask& mask, const std::function<bool(int, int)>& expected)
{
    for (int y = 0; y < ShapeMask::kHeight; ++y)
        for (int x = 0; x < ShapeMask::kWidth; ++x)
            if (mask.shows(x, y) != expected(x, y))
                return std::to_string(x) + "," + std::to_string(y) + (expected(x, y) ? " should show" : " should be cut");
    return {};
}

bool within(int value, int from, int end) { return value >= from && value < end; }

} // namespace

TEST(ShapeMask, ShowsWhereThePolygonsWindTogetherAndCutsTheRestPixelByPixel)
{
    const Polygon clockwiseA {{10, 10}, {40, 10}, {40, 40}, {10, 40}};
    const Polygon clockwiseB {{30, 30}, {60, 30}, {60, 60}, {30, 60}};
    const Polygon anticlockwiseB {{30, 30}, {30, 60}, {60, 60}, {60, 30}};
    constexpr int kFar = 1 << 24;
    const struct
    {
        const char* name;
        std::vector<Polygon> polygons;
        std::function<bool(int, int)> shows;
    } cases[] = {
        // Left and top edges hold their pixels, right and bottom ones do not.
        {"rectangle", {{{10, 20}, {50, 20}, {50, 60}, {10, 60}}},
         [](int x, int y) { return within(x, 10, 50) && within(y, 20, 60); }},
        {"concave", {{{0, 0}, {30, 0}, {30, 30}, {20, 30}, {20, 10}, {10, 10}, {10, 30}, {0, 30}}},
         [](int x, int y) { return within(x, 0, 30) && within(y, 0, 30) && !(within(x, 10, 20) && y >= 10); }},
        {"separate", {{{0, 0}, {5, 0}, {5, 5}, {0, 5}}, {{100, 50}, {120, 50}, {120, 52}, {100, 52}}},
         [](int x, int y) { return (x < 5 && y < 5) || (within(x, 100, 120) && within(y, 50, 52)); }},
        // It winds twice round [10, 20) x [10, 20): shown, not a hole.
        {"crosses itself", {{{0, 0}, {20, 0}, {20, 20}, {10, 20}, {10, 10}, {30, 10}, {30, 30}, {0, 30}}},
         [](int x, int y) { return (y < 10 && x < 20) || (within(y, 10, 30) && x < 30); }},
        {"overlap, same way round", {clockwiseA, clockwiseB},
         [](int x, int y) {
             return (within(x, 10, 40) && within(y, 10, 40)) || (within(x, 30, 60) && within(y, 30, 60));
         }},
        {"overlap, other way round", {clockwiseA, anticlockwiseB},
         [](int x, int y) {
             return (within(x, 10, 40) && within(y, 10, 40)) != (within(x, 30, 60) && within(y, 30, 60));
         }},
        {"outside the window", {{{-50, -50}, {400, -50}, {400, 80}, {-50, 80}}, {{-kFar, 100}, {kFar, 100}, {kFar, kFar}, {-kFar, kFar}}},
         [](int, int y) { return y < 80 || y >= 100; }},
        {"no area", {{}, {{5, 5}}, {{5, 5}, {9, 9}}, {{1, 1}, {200, 1}, {100, 1}}}, [](int, int) { return false; }},
    };
    for (const auto& c : cases)
        EXPECT_EQ(firstDifference(tessel::shapeMask(c.polygons), c.shows), "") << c.name;
}

TEST(ShapeMask, CutsTheWindowToACheckerboardOutsideTheShape)
{
    QImage window = tessel::blankPicture({275, 116});
    window.fill(qRgb(1, 2, 3));
    const std::vector<Polygon> square {{{0, 0}, {4, 0}, {4, 4}, {0, 4}}};
    tessel::cutToShape(window, tessel::shapeMask(square));
    EXPECT_EQ(window.pixel(3, 3), qRgb(1, 2, 3));
    EXPECT_NE(window.pixel(4, 0), qRgb(1, 2, 3));
    EXPECT_EQ(window.pixel(4, 0), window.pixel(0, 4));
    EXPECT_NE(window.pixel(4, 0), window.pixel(4, 4));
    EXPECT_EQ(window.pixel(4, 4), window.pixel(8, 0));
}
