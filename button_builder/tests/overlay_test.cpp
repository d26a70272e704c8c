#include "button_builder/core/elementtable.h"
#include "button_builder/core/overlay.h"
#include "button_builder/core/picture.h"

#include <gtest/gtest.h>

namespace {

bool insideSomeCut(int tab, int x, int y)
{
    for (const knapro::ElementRect& c : knapro::cutRectangles(tab))
        if (knapro::toQRect(c).contains(x, y))
            return true;
    return false;
}

} // namespace

TEST(Overlay, LetsThroughExactlyThePixelsThatSomeElementCuts)
{
    for (int tab = 0; tab < knapro::kTabCount; ++tab) {
        const QImage overlay = knapro::overlayPicture(tab);
        ASSERT_EQ(overlay.size(), QSize(275, 116));
        int sampleContent = 0;
        for (int y = 0; y < 116; ++y)
            for (int x = 0; x < 275; ++x) {
                const QRgb pixel = overlay.pixel(x, y);
                ASSERT_EQ(qAlpha(pixel), insideSomeCut(tab, x, y) ? 0 : 255) << tab << ": " << x << "," << y;
                if (qAlpha(pixel) == 255 && pixel != knapro::kOverlayBackdrop.rgb()
                    && pixel != knapro::kOverlayOutline.rgb())
                    ++sampleContent;
            }
        EXPECT_GT(sampleContent, 100) << "tab " << tab << " shows what the player draws itself";
    }
}

TEST(Overlay, OutlinesEachElementJustOutsideIt)
{
    const QImage main = knapro::overlayPicture(knapro::MainWindowTab);
    // Control buttons: 16, 88, 114 x 18.
    for (const QPoint around : {QPoint(15, 95), QPoint(130, 95), QPoint(60, 106)})
        EXPECT_EQ(main.pixel(around), knapro::kOverlayOutline.rgb()) << around.x() << "," << around.y();
    EXPECT_EQ(main.pixel(60, 108), knapro::kOverlayBackdrop.rgb());
    // The menu-only cuts are let through too: Play/Stop from row 27.
    EXPECT_EQ(qAlpha(main.pixel(30, 27)), 0);
}
