#include "button_builder/core/picture.h"
#include "button_builder/tests/fixtures.h"
#include "button_builder/ui/mainwindow.h"
#include "common/testing/screenpointer.h"
#include "common/testing/scripteddialogs.h"
#include "common/testing/temporarysettings.h"
#include "common/ui/picturebox.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The area that a press on `pixel` of the element pictures should cut: the last
// one listed there, as later areas lie on top; none where only the picture is.
const knapro::ClickableArea* topmostAreaAt(int tab, QPoint pixel)
{
    const knapro::ClickableArea* topmost = nullptr;
    for (const knapro::ClickableArea& area : knapro::clickableAreas(tab))
        if (knapro::toQRect(area.area).contains(pixel))
            topmost = &area;
    return topmost;
}

TEST(DenseScreen, EveryDevicePixelOfAnAreasCornerPixelsCutsTheAreaUnderIt)
{
    ASSERT_GT(qApp->devicePixelRatio(), 1.0);
    QTemporaryDir dir;
    ASSERT_TRUE(knapro::testing::elementPicture(0).save(dir.filePath("main.bmp"), "BMP"));
    kit::testing::ScriptedDialogs dialogs;
    kit::testing::TemporarySettings settings;
    knapro::frmButton form(dialogs, *settings);
    form.show();
    form.openPicture(0, dir.filePath("main.bmp"));
    auto* cover = form.findChild<kit::PictureBox*>("imgCover(0)");
    auto* preview = form.findChild<kit::PictureBox*>("picButton");
    ASSERT_TRUE(cover && preview);
    kit::testing::ScreenPointer pointer(cover);

    int checked = 0;
    for (const knapro::ClickableArea& area : knapro::clickableAreas(0)) {
        const QRect rect = knapro::toQRect(area.area);
        // Its first and last pixels, and the pixels just beyond them.
        for (QPoint pixel : {rect.topLeft(), rect.bottomRight(), rect.topLeft() - QPoint(1, 1),
                             rect.bottomRight() + QPoint(1, 1)}) {
            const knapro::ClickableArea* expected = topmostAreaAt(0, pixel);
            if (expected && expected->action != knapro::AreaAction::Cut)
                continue;
            const QString expectedCut = expected ? QString::fromUtf8(expected->label.data(), expected->label.size()) : "";
            for (QPoint devicePixel : pointer.devicePixelsOf(pixel)) {
                preview->setToolTip(QString());
                pointer.click(devicePixel);
                ASSERT_EQ(preview->toolTip().toStdString(), expectedCut.toStdString())
                    << "pixel " << pixel.x() << "," << pixel.y() << " device pixel " << devicePixel.x() << ","
                    << devicePixel.y();
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 100);
    EXPECT_TRUE(dialogs.calls().empty());
}

} // namespace
