#include "region_editor/tests/plevotestsupport.h"

#include "common/testing/hidpi.h"
#include "region_editor/ui/builtinskin.h"

#include <QLineEdit>

namespace plevo::testing {
namespace {

class HighDensityScreen : public PlevoWindowTest
{
protected:
    QString readAt(QPoint windowPixel) const
    {
        movePointer(windowPixel);
        return control<QLineEdit>("Text1")->text() + "," + control<QLineEdit>("Text2")->text();
    }
};

TEST_F(HighDensityScreen, EverySkinPixelIsASharpBlockAndTheReadoutStillNamesIt)
{
    ASSERT_TRUE(kit::testing::onDoubleDensityScreen());
    QWidget* picture = control("Image1");
    EXPECT_TRUE(kit::testing::showsPixelForPixel(picture->grab(), builtInSkin(), 2));
    EXPECT_EQ(readAt({0, 0}), "1,1");
    EXPECT_EQ(readAt({274, 115}), "275,116");

    click("Image18");
    click("Image15");
    EXPECT_TRUE(kit::testing::showsPixelForPixel(picture->grab(), builtInSkin(), 2, 2));
    EXPECT_EQ(readAt({21, 41}), "11,21");
    EXPECT_EQ(readAt({549, 231}), "275,116");
}

TEST_F(HighDensityScreen, TheDrawnPolygonsEdgesCoverWholeScreenPixels)
{
    ASSERT_TRUE(kit::testing::onDoubleDensityScreen());
    movePointer({20, 20});
    QTest::mouseClick(control("Image1"), Qt::LeftButton, {}, QPoint(20, 20));
    movePointer({100, 20});
    QTest::mouseClick(control("Image1"), Qt::LeftButton, {}, QPoint(100, 20));
    const QImage shown = control("Image1")->grab().toImage();
    // Skin row 20 is device rows 40 and 41; between the corner markers the edge
    // fills both, and nothing of it smears into the rows beside them.
    const QColor line = form->markStyle().line;
    for (int x = 2 * 30; x < 2 * 90; ++x) {
        ASSERT_EQ(QColor(shown.pixel(x, 40)), line) << x;
        ASSERT_EQ(QColor(shown.pixel(x, 41)), line) << x;
        ASSERT_EQ(shown.pixel(x, 39), builtInSkin().pixel(x / 2, 19)) << x;
        ASSERT_EQ(shown.pixel(x, 42), builtInSkin().pixel(x / 2, 21)) << x;
    }
}

} // namespace
} // namespace plevo::testing
