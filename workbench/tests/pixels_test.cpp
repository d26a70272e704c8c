#include "workbench/core/pixels.h"

#include <gtest/gtest.h>

#include <limits>

using tessel::blankPicture;

namespace {

QRgb sourcePixel(int x, int y) { return qRgb(10 + x, 20 + y, 255); }

} // namespace

TEST(DoubleSized, CopiesRowYToRows2yAnd2yMinus1AndColumnXToColumns2xAnd2xMinus1)
{
    QImage source = blankPicture({3, 2});
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            source.setPixel(x, y, sourcePixel(x, y));
    const QImage doubled = tessel::doubleSized(source);
    ASSERT_EQ(doubled.size(), QSize(6, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            // Row 2y - 1 and 2y hold row y: so row r holds row (r + 1) / 2, the last row none.
            const int fromX = (x + 1) / 2, fromY = (y + 1) / 2;
            const QRgb expected = fromX < 3 && fromY < 2 ? sourcePixel(fromX, fromY) : qRgb(0, 0, 0);
            EXPECT_EQ(doubled.pixel(x, y), expected) << x << "," << y;
        }
}

TEST(DrawLine, CutsLinesWithFarEndsToThePictureAndDrawsTheirVisiblePartOnly)
{
    constexpr int kFar = std::numeric_limits<int>::max();
    const struct
    {
        QPoint from, to;
        int setPixels;
        QPoint set;
    } lines[] = {
        {{-kFar, 5}, {kFar, 5}, 10, {0, 5}},
        {{4, std::numeric_limits<int>::min()}, {4, kFar}, 10, {4, 9}},
        {{-kFar, -kFar}, {kFar, kFar}, 10, {7, 7}},
        {{2, 3}, {8, 3}, 7, {5, 3}},
        {{20, 0}, {kFar, -7}, 0, {}},
        {{-3, -3}, {-3, -3}, 0, {}},
    };
    for (const auto& line : lines) {
        QImage picture = blankPicture({10, 10});
        tessel::drawLine(picture, line.from, line.to, qRgb(255, 255, 255));
        int set = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                set += picture.pixel(x, y) == qRgb(255, 255, 255);
        EXPECT_EQ(set, line.setPixels) << line.from.x() << "," << line.from.y();
        if (line.setPixels > 0) {
            EXPECT_EQ(picture.pixel(line.set), qRgb(255, 255, 255));
        }
    }
}
