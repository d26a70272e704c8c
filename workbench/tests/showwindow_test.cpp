#include "workbench/ui/showwindow.h"

#include "common/ui/picturebox.h"
#include "workbench/core/pixels.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

using tessel::Form2;
using tessel::PictureBox;

namespace {

class Show : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tessel::ColourTable table {};
        table[3] = {255, 255, 255};
        table[4] = {255, 255, 255};
        show.open(table);
    }
    PictureBox* picture(const char* name) const { return show.findChild<PictureBox*>(name); }
    int litPixels() const
    {
        const QImage& shown = picture("Picture21")->picture();
        int count = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                count += shown.pixel(x, y) != qRgb(0, 0, 0);
        return count;
    }
    QMouseEvent* mouse(QEvent::Type type, Qt::MouseButton button) const
    {
        return new QMouseEvent(type, QPointF(5, 5), picture("Picture21")->mapToGlobal(QPointF(5, 5)), button,
                               type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
    }
    void send(QEvent::Type type, Qt::MouseButton button) const
    {
        std::unique_ptr<QMouseEvent> event(mouse(type, button));
        QApplication::sendEvent(picture("Picture21"), event.get());
    }
    void click() const
    {
        send(QEvent::MouseButtonPress, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, Qt::LeftButton);
    }

    Form2 show;
};

} // namespace

TEST_F(Show, ShowsEachFrameOfTheLinePatternOnAnErasedSurfaceAndARightClickSwitchesToTheZoom)
{
    EXPECT_EQ(show.size(), QSize(800, 600));
    EXPECT_EQ(show.windowTitle(), "Vortex: line pattern (right click for the zoom)");
    EXPECT_EQ(litPixels(), 0);
    show.showFrame();
    EXPECT_GT(litPixels(), 1000);
    EXPECT_EQ(picture("Picture20")->picture().pixel(400, 300), qRgb(0, 0, 0));

    send(QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_EQ(show.effect(), Form2::Effect::Zoom);
    EXPECT_EQ(show.windowTitle(), "Vortex: zoom (right click for the line pattern)");
    show.showFrame();
    // The fading pixel, in entry 3's colour; the next step enlarges the frame shown.
    QImage shown = picture("Picture21")->picture().copy();
    EXPECT_EQ(shown.pixel(320, 270), qRgb(255, 255, 255));
    show.showFrame();
    QImage next = tessel::blankPicture(shown.size());
    tessel::zoomInto(shown, next, tessel::ZoomStep::kFadingPixel, tessel::zoomScale(1), tessel::ZoomStep::kTurnPerStep);
    EXPECT_EQ(picture("Picture21")->picture(), next);
    send(QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_EQ(show.effect(), Form2::Effect::LinePattern);
}

TEST_F(Show, AClickRunsTheShowUntilADoubleClickEndsItAndClosesTheWindow)
{
    QSignalSpy closed(&show, &Form2::closed);
    // Waiting in the queue, so that the show meets them among the events it lets through.
    QCoreApplication::postEvent(picture("Picture21"), mouse(QEvent::MouseButtonPress, Qt::RightButton));
    QCoreApplication::postEvent(picture("Picture21"), mouse(QEvent::MouseButtonDblClick, Qt::LeftButton));
    click();
    EXPECT_FALSE(show.isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(show.effect(), Form2::Effect::Zoom);
    EXPECT_GT(litPixels(), 0);
    // A click after the end starts nothing.
    click();
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(Show, OnlyALeftDoubleClickEndsTheShowAndTwoQuickRightClicksSwitchTheEffectTwice)
{
    show.show();
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        send(QEvent::MouseButtonPress, button);
        send(QEvent::MouseButtonRelease, button);
        send(QEvent::MouseButtonDblClick, button);
        send(QEvent::MouseButtonRelease, button);
        EXPECT_TRUE(show.isVisible());
        EXPECT_EQ(show.effect(), Form2::Effect::LinePattern);
    }
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    EXPECT_FALSE(show.isVisible());
}

TEST_F(Show, ClosingTheWindowEndsARunningShow)
{
    QMetaObject::invokeMethod(&show, &QWidget::close, Qt::QueuedConnection);
    click();
    EXPECT_FALSE(show.isVisible());
}
