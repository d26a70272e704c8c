#include "common/testing/screenpointer.h"
#include "common/testing/scripteddialogs.h"
#include "common/testing/temporarysettings.h"
#include "common/ui/picturebox.h"
#include "workbench/tests/syntheticskin.h"
#include "workbench/ui/workbenchwindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// First and last pixels of each corner of a 275 x 116 picture, and one inside.
const QPoint kSkinPixels[] = {{0, 0}, {10, 10}, {274, 115}, {274, 0}, {0, 115}};

QWidget* topLevel(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name))
            return window;
    return nullptr;
}

class DenseScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_GT(qApp->devicePixelRatio(), 1.0);
        writeSyntheticSkin(skin.path() + "/");
        form.show();
        dialogs.choosePath(skin.filePath("main.bmp"));
        form.findChild<QPushButton*>("Command9")->click();
    }
    // The point that the last press recorded, as the box of this polygon ends.
    QString lastPoint() const
    {
        const QStringList numbers = form.findChild<QLineEdit*>("Text4")->text().split(',', Qt::SkipEmptyParts);
        return numbers.size() < 2 ? QString() : numbers[numbers.size() - 2].trimmed() + "," + numbers.last().trimmed();
    }
    // Clicks every device pixel of each of `pixels` of `box` and checks that
    // each click records that pixel.
    void expectEveryDevicePixelRecords(kit::PictureBox* box, std::initializer_list<QPoint> pixels)
    {
        kit::testing::ScreenPointer pointer(box);
        for (const QPoint pixel : pixels)
            for (const QPoint devicePixel : pointer.devicePixelsOf(pixel)) {
                pointer.click(devicePixel);
                ASSERT_EQ(lastPoint(), QString("%1,%2").arg(pixel.x()).arg(pixel.y()))
                    << box->objectName().toStdString() << " device pixel " << devicePixel.x() << "," << devicePixel.y();
            }
    }

    QTemporaryDir skin;
    kit::testing::ScriptedDialogs dialogs;
    kit::testing::TemporarySettings settings;
    tessel::Form1 form {dialogs, *settings};
};

TEST_F(DenseScreen, EveryDevicePixelOfAPixelRecordsThatPixelInTheDrawingAreaAndTheDoubledView)
{
    auto* drawingArea = form.findChild<kit::PictureBox*>("Picture20");
    expectEveryDevicePixelRecords(drawingArea, {kSkinPixels[0], kSkinPixels[1], kSkinPixels[2], kSkinPixels[3], kSkinPixels[4]});

    form.findChild<QPushButton*>("Command16")->click();
    auto* doubled = topLevel("Form3")->findChild<kit::PictureBox*>("Picture21");
    expectEveryDevicePixelRecords(doubled, {{0, 0}, {21, 21}, {549, 231}, {549, 0}});
}

TEST_F(DenseScreen, EveryDevicePixelOfAPixelPressesThePreviewThere)
{
    auto* preview = form.findChild<kit::PictureBox*>("Picture6");
    QSignalSpy presses(preview, &kit::PictureBox::mouseDown);
    kit::testing::ScreenPointer pointer(preview);
    // The last pixels of play and the first of pause, beside each other, and the preview's corners.
    for (const QPoint pixel : {QPoint(61, 105), QPoint(62, 88), kSkinPixels[0], kSkinPixels[2], kSkinPixels[3]})
        for (const QPoint devicePixel : pointer.devicePixelsOf(pixel)) {
            presses.clear();
            pointer.click(devicePixel);
            ASSERT_EQ(presses.size(), 1) << "device pixel " << devicePixel.x() << "," << devicePixel.y();
            ASSERT_EQ(presses.front().at(1).toPoint(), pixel) << "device pixel " << devicePixel.x() << "," << devicePixel.y();
        }
}

} // namespace
