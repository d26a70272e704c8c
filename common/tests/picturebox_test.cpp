#include "common/testing/hidpi.h"
#include "common/ui/picturebox.h"
#include "common/ui/screenpixmap.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QImage checkerPicture()
{
    QImage picture(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 30, y * 50, (x + y) % 2 ? 255 : 0));
    return picture;
}

TEST(PictureBox, ShowsEachPicturePixelAsASharpBlockAndReportsWindowPixels)
{
    ASSERT_TRUE(kit::testing::onDoubleDensityScreen());
    kit::PictureBox box;
    box.resize(10, 8);
    box.setPicture(checkerPicture());
    box.show();
    EXPECT_TRUE(kit::testing::showsPixelForPixel(box.grab(), checkerPicture(), 2));

    QSignalSpy downs(&box, &kit::PictureBox::mouseDown);
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(6, 4));
    ASSERT_EQ(downs.size(), 1);
    EXPECT_EQ(downs[0][1].toPoint(), QPoint(6, 4));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(6, 4));
}

TEST(PictureBox, AClickIsAPressAndAReleaseOfOneButtonInsideTheBox)
{
    kit::PictureBox box;
    box.resize(10, 8);
    box.show();
    QSignalSpy clicks(&box, &kit::PictureBox::clicked);
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(2, 2));
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(20, 2)); // let go outside
    QTest::mouseRelease(&box, Qt::MiddleButton, {}, QPoint(2, 2)); // never pressed
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].value<Qt::MouseButton>(), Qt::RightButton);
}

TEST(ScreenPixmap, HoldsTheScreensDevicePixels)
{
    const QPixmap pixmap = kit::screenPixmap(QSize(20, 15));
    EXPECT_EQ(pixmap.size(), QSize(40, 30));
    EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(20, 15));
}

} // namespace
