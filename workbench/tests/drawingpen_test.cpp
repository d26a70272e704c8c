#include "workbench/core/drawingpen.h"

#include "workbench/core/pixels.h"
#include "workbench/core/polygonstore.h"

#include <gtest/gtest.h>

namespace {

// The drawn pixels of a picture that started white.
int drawnPixels(const QImage& picture)
{
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            drawn += picture.pixel(x, y) == qRgb(0, 0, 0);
    return drawn;
}

} // namespace

TEST(DrawingPen, JoinsEachPointToTheOneBeforeButNeverOnePolygonToTheNext)
{
    QImage picture = tessel::blankPicture({40, 30});
    picture.fill(Qt::white);
    tessel::PolygonStore polygons;
    tessel::DrawingPen pen;
    // A polygon's first point stands alone, wherever the pen was before.
    EXPECT_TRUE(pen.recordPoint(polygons, picture, {5, 5}));
    EXPECT_EQ(drawnPixels(picture), 1);
    EXPECT_FALSE(pen.recordPoint(polygons, picture, {15, 5}));
    EXPECT_FALSE(pen.recordPoint(polygons, picture, {15, 10}));
    EXPECT_EQ(drawnPixels(picture), 16);
    polygons.FinishPolygon();
    EXPECT_TRUE(pen.recordPoint(polygons, picture, {30, 25}));
    EXPECT_EQ(drawnPixels(picture), 17);
    EXPECT_EQ(polygons.regionPoints() + "|" + polygons.currentPoints(), " 5, 5, 15, 5, 15, 10,| 30, 25,");
}
