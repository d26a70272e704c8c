#include "workbench/ui/aboutwindow.h"

#include "common/ui/picturebox.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

using tessel::PictureBox;

namespace {

class About : public ::testing::Test
{
protected:
    void SetUp() override { about.show(); }
    const QImage& shown() const { return about.findChild<PictureBox*>("Picture3")->picture(); }
    // Where the text line lies at full strength: the white pixels above the pattern.
    std::vector<bool> whiteAtTop() const
    {
        std::vector<bool> white;
        for (int y = 0; y < 28; ++y)
            for (int x = 0; x < 360; ++x)
                white.push_back(shown().pixel(x, y) == qRgb(255, 255, 255));
        return white;
    }
    QTimer* timer(const char* name) const { return about.findChild<QTimer*>(name); }
    // Pixels in `area` of what the window shows that are grey from `least` up.
    int greyPixels(QRect area, int least) const
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb pixel = shown().pixel(x, y);
                count += qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) && qRed(pixel) >= least;
            }
        return count;
    }

    tessel::Form4 about;
};

} // namespace

TEST_F(About, OpensWithBothTimersAndShowsThePatternUnderTheFirstLineAtFullStrength)
{
    EXPECT_EQ(about.windowTitle(), "About Veskit");
    // No faster than a screen refreshes.
    for (const QTimer* clock : about.findChildren<QTimer*>())
        EXPECT_GE(clock->interval(), 16) << clock->objectName().toStdString();
    EXPECT_TRUE(timer("Timer1")->isActive() && timer("Timer2")->isActive());
    about.Timer1_Timer();
    EXPECT_TRUE(timer("Timer1")->isActive());
    // The text stands above the pattern, whose segments end on the ellipse round (180, 130).
    EXPECT_GT(greyPixels({0, 0, 360, 28}, 250), 20);
    int patterned = 0;
    for (int y = 30; y < 230; ++y)
        for (int x = 80; x < 280; ++x)
            patterned += shown().pixel(x, y) != qRgb(0, 0, 0);
    EXPECT_GT(patterned, 100);
}

TEST_F(About, ClosingDuringAStepStopsItBeforeItShowsAnythingAndReopeningStartsAfresh)
{
    about.Timer1_Timer();
    for (int tick = 0; tick < 85; ++tick)
        about.Timer2_Timer();
    const QImage before = shown();
    // The close arrives among the events the step lets through.
    QMetaObject::invokeMethod(&about, &QWidget::close, Qt::QueuedConnection);
    about.Timer1_Timer();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(shown(), before);
    EXPECT_FALSE(timer("Timer1")->isActive() || timer("Timer2")->isActive());

    about.show();
    about.Timer1_Timer();
    EXPECT_GT(greyPixels({0, 0, 360, 28}, 250), 20);
}

TEST_F(About, TheNextLineTakesThePlaceOfTheLastOnceItHasFadedOut)
{
    about.Timer1_Timer();
    const std::vector<bool> firstLine = whiteAtTop();
    // 85 steps down to black, where the next line comes in, and 85 up to full strength.
    for (int tick = 0; tick < 170; ++tick)
        about.Timer2_Timer();
    about.Timer1_Timer();
    EXPECT_GT(greyPixels({0, 0, 360, 28}, 255), 20);
    EXPECT_NE(whiteAtTop(), firstLine);
}
