#include "region_editor/core/mainlayout.h"

#include <gtest/gtest.h>

using plevo::MainLayout;
using plevo::TwipsRect;

namespace {

TEST(Magnify, DoublingGrowsThePictureAndMovesEverythingBelowAndRightOfIt)
{
    MainLayout layout = MainLayout::initial();
    ASSERT_TRUE(plevo::magnifyDouble(layout));

    EXPECT_EQ(layout.Image1, (TwipsRect{120, 240, 8250, 3480}));
    EXPECT_EQ(layout.formWidth, 8445);
    EXPECT_EQ(layout.formHeight, 4530);
    EXPECT_EQ(layout.Frame1, (TwipsRect{0, 0, 8460, 4540}));
    EXPECT_EQ(layout.Line7, (plevo::TwipsLine{0, 3780, 8445, 3780}));
    EXPECT_EQ(layout.Line8, (plevo::TwipsLine{15, 3795, 8445, 3795}));
    for (const TwipsRect& button : {layout.Image4, layout.Image18, layout.Image8, layout.Image6})
        EXPECT_EQ(button.top, 3920);
    EXPECT_EQ(layout.Image4.left, 220);
    EXPECT_EQ(layout.Image6.left, 2400);
    EXPECT_EQ(layout.Label1, (TwipsRect{7005, 3920, 255, 255}));
    EXPECT_EQ(layout.Text1, (TwipsRect{7245, 3920, 375, 285}));
    EXPECT_EQ(layout.Label2, (TwipsRect{7725, 3920, 255, 255}));
    EXPECT_EQ(layout.Text2, (TwipsRect{7965, 3920, 375, 285}));
    EXPECT_EQ(layout.ProgressBar1, (TwipsRect{0, 4260, 6300, 265}));
    EXPECT_EQ(layout.Text3, (TwipsRect{6300, 4260, 2160, 285}));
    EXPECT_EQ(layout.Picture2, (TwipsRect{120, 2220, 495, 2025}));
    EXPECT_EQ(layout.Picture1.top, 1980);
}

TEST(Magnify, StopsAtFourTimesAndAtOneTimesChangingNothing)
{
    MainLayout layout = MainLayout::initial();
    EXPECT_FALSE(plevo::magnifyHalf(layout));
    EXPECT_EQ(layout, MainLayout::initial());

    ASSERT_TRUE(plevo::magnifyDouble(layout));
    ASSERT_TRUE(plevo::magnifyDouble(layout));
    EXPECT_EQ(layout.Image1, (TwipsRect{120, 240, 16500, 6960}));
    EXPECT_EQ(layout.formWidth, 16695); // 1113 px
    EXPECT_EQ(layout.formHeight, 8010); // 534 px

    const MainLayout atFourTimes = layout;
    EXPECT_FALSE(plevo::magnifyDouble(layout));
    EXPECT_EQ(layout, atFourTimes);
}

TEST(Magnify, DoubleThenHalfRestoresAllButTheBottomRowTopsAndTheStatusBox)
{
    MainLayout layout = MainLayout::initial();
    ASSERT_TRUE(plevo::magnifyDouble(layout));
    ASSERT_TRUE(plevo::magnifyHalf(layout));

    MainLayout expected = MainLayout::initial();
    for (TwipsRect* shared : {&expected.Image4, &expected.Image18, &expected.Image8, &expected.Image6,
                              &expected.Label1, &expected.Text1, &expected.Label2, &expected.Text2})
        shared->top = 2180;
    expected.Text3.left = 2175;
    expected.ProgressBar1.width = 2175;
    EXPECT_EQ(layout, expected);

    ASSERT_TRUE(plevo::magnifyDouble(layout));
    ASSERT_TRUE(plevo::magnifyDouble(layout));
    ASSERT_TRUE(plevo::magnifyHalf(layout));
    ASSERT_TRUE(plevo::magnifyHalf(layout));
    EXPECT_EQ(layout, expected);
}

TEST(Readout, NamesTheSameSkinPixelAtEveryMagnification)
{
    EXPECT_EQ(plevo::readoutScale(4125), 15);
    EXPECT_EQ(plevo::readoutScale(8250), 30);
    EXPECT_EQ(plevo::readoutScale(16500), 60);

    struct Case
    {
        int screenPixelsPerSkinPixel;
        float pictureWidth;
    };
    for (const Case c : {Case{1, 4125}, Case{2, 8250}, Case{4, 16500}}) {
        SCOPED_TRACE(c.screenPixelsPerSkinPixel);
        const auto readAt = [&](int screenPixel) { return plevo::readoutAtPixel(screenPixel, c.pictureWidth); };
        const int n = c.screenPixelsPerSkinPixel;
        EXPECT_EQ(readAt(0), 1);                 // first column
        EXPECT_EQ(readAt(n - 1), 1);             // still the first skin pixel
        EXPECT_EQ(readAt(n), 2);
        EXPECT_EQ(readAt(10 * n + n - 1), 11);   // skin pixel 10
        EXPECT_EQ(readAt(274 * n), 275);         // last column
        EXPECT_EQ(readAt(275 * n - 1), 275);
        EXPECT_EQ(readAt(115 * n + n / 2), 116); // last row
    }
}

} // namespace
