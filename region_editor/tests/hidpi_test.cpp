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

} // namespace
} // namespace plevo::testing
