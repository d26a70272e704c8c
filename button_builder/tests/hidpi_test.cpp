#include "button_builder/tests/fixtures.h"
#include "button_builder/ui/mainwindow.h"
#include "common/testing/hidpi.h"
#include "common/testing/scripteddialogs.h"
#include "common/testing/temporarysettings.h"
#include "common/ui/picturebox.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(HighDensityScreen, AnOpenedPictureAndItsCutShowEveryPixelAsASharpBlock)
{
    ASSERT_TRUE(kit::testing::onDoubleDensityScreen());
    QTemporaryDir dir;
    const QImage window = knapro::testing::stripedPicture(275, 116);
    ASSERT_TRUE(window.save(dir.filePath("main.bmp"), "BMP"));
    kit::testing::ScriptedDialogs dialogs;
    kit::testing::TemporarySettings settings;
    knapro::frmButton form(dialogs, *settings);
    form.show();
    form.openPicture(0, dir.filePath("main.bmp"));
    form.elementCommand_Click("mnuMainEject");

    EXPECT_TRUE(kit::testing::showsPixelForPixel(form.findChild<kit::PictureBox*>("picBack(0)")->grab(), window, 2));
    auto* cut = form.findChild<kit::PictureBox*>("picButton");
    EXPECT_FALSE(cut->picture().isNull());
    EXPECT_TRUE(kit::testing::showsPixelForPixel(cut->grab(), cut->picture(), 2));
}

} // namespace
