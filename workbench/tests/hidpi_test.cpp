#include "common/testing/hidpi.h"
#include "common/testing/scripteddialogs.h"
#include "common/testing/temporarysettings.h"
#include "common/ui/picturebox.h"
#include "workbench/tests/syntheticskin.h"
#include "workbench/tests/textfit.h"
#include "workbench/ui/workbenchwindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(HighDensityScreen, TheSkinPreviewShowsEverySkinPixelAsASharpBlock)
{
    ASSERT_TRUE(kit::testing::onDoubleDensityScreen());
    QTemporaryDir skin;
    writeSyntheticSkin(skin.path() + "/");
    kit::testing::ScriptedDialogs dialogs;
    kit::testing::TemporarySettings settings;
    tessel::Form1 form(dialogs, *settings);
    form.show();
    dialogs.choosePath(skin.filePath("main.bmp"));
    form.findChild<QPushButton*>("Command9")->click();

    auto* preview = form.findChild<kit::PictureBox*>("Picture6");
    ASSERT_EQ(preview->picture().size(), QSize(275, 116));
    // Above the position knob, which is a picture box of its own over the preview.
    EXPECT_TRUE(kit::testing::showsPixelForPixel(preview->grab(), preview->picture().copy(0, 0, 275, 72), 2));
}

TEST(HighDensityScreen, EveryCaptionAndCountFitsItsPlace)
{
    ASSERT_TRUE(kit::testing::onDoubleDensityScreen());
    EXPECT_EQ(workbenchTextsThatDoNotFit(), "");
}

} // namespace
