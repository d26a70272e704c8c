#include "workbench/core/lineanimation.h"
#include "workbench/core/pixels.h"
#include "workbench/core/zoom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tessel;

TEST(ColourDrift, ArrivesAfter64StepsAndThenHeadsForTheNextColour)
{
    ColourDrift drift;
    drift.reset(qRgb(0, 0, 0), qRgb(255, 128, 64));
    EXPECT_EQ(drift.step(qRgb(1, 1, 1)), qRgb(3, 2, 1));
    for (int step = 2; step < ColourDrift::kSteps; ++step)
        drift.step(qRgb(1, 1, 1));
    EXPECT_EQ(drift.step(qRgb(1, 1, 1)), qRgb(255, 128, 64));
    EXPECT_EQ(drift.step(qRgb(0, 0, 0)), qRgb(252, 126, 63));
}

TEST(AboutFade, FadesEachLineOutAndTheNextInAndShowsLineZeroOnlyOnce)
{
    AboutFade fade;
    const struct
    {
        int steps, line, brightness, step;
    } after[] = {{1, 0, 252, 3}, {84, 1, 0, -3}, {85, 1, 255, -3}, {1, 1, 255, 3}, {1, 1, 252, 3}};
    for (const auto& expected : after) {
        for (int i = 0; i < expected.steps; ++i)
            fade.step();
        EXPECT_EQ(fade.lineIndex, expected.line);
        EXPECT_EQ(fade.brightness, expected.brightness);
        EXPECT_EQ(fade.brightnessStep, expected.step);
    }
    fade = {AboutFade::kLastLine, 3, 3};
    fade.step();
    EXPECT_EQ(fade.lineIndex, 1);
    EXPECT_EQ(aboutLine(7), "You");
    EXPECT_EQ(aboutLine(24).find('\n'), 50u);
    EXPECT_EQ(aboutLine(25), "END");
    EXPECT_EQ(aboutLine(-1), "END");
}

TEST(ShowPattern, TurnsItsRadiiAtFourHundredAndItsAngleToZeroOnOverflow)
{
    QImage tiny = blankPicture({1, 1});
    ShowPattern pattern(std::numeric_limits<std::int32_t>::max() - 10, 1000);
    pattern.draw(tiny, qRgb(255, 255, 255));
    // 401 after the first segment, then one less with each of the other 561.
    EXPECT_EQ(pattern.radius1(), -160);
    EXPECT_EQ(pattern.angle(), 561 * 1000);
    pattern.nextFrame();
    EXPECT_EQ(pattern.angleStep(), 22);
    pattern.nextFrame();
    EXPECT_EQ(pattern.angleStep(), 23);
}

TEST(Zoom, EnlargesAboutItsCentreAndIsSafeWhateverItIsGiven)
{
    QImage source = blankPicture({40, 30});
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            source.setPixel(x, y, qRgb(x, y, 1));
    QImage target = blankPicture({40, 30});
    zoomInto(source, target, {20, 15}, 1, 0);
    EXPECT_EQ(target, source);
    zoomInto(source, target, {20, 15}, 2, 0);
    EXPECT_EQ(target.pixel(20, 15), source.pixel(20, 15));
    EXPECT_EQ(target.pixel(24, 11), source.pixel(22, 13));
    zoomInto(source, target, {20, 15}, 1, std::acos(-1.0) / 2);
    EXPECT_EQ(target.pixel(25, 15), source.pixel(20, 10));

    // Values that are no scale or no angle copy; any others at least stay in the picture.
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kMax = std::numeric_limits<double>::max();
    for (const double scale : {kNaN, kInf, -kInf, 0.0, -1.0})
        for (const double angle : {kNaN, kInf}) {
            target.fill(qRgb(9, 9, 9));
            zoomInto(source, target, {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}, scale, angle);
            EXPECT_EQ(target, source) << scale << " " << angle;
        }
    for (const double scale : {kMax, 1e-308, zoomScale(32767), zoomScale(-32768)})
        for (const double angle : {1e300, -7.0})
            for (const QPoint centre : {QPoint(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()), QPoint()})
                zoomInto(source, target, centre, scale, angle);
    EXPECT_EQ(zoomScale(8), 1.25);
    EXPECT_EQ(zoomScale(-32), 0.5);
}

TEST(Zoom, FadesThePixelThroughTheAnalyzerEntriesAndStartsAgainAfterFifteen)
{
    ColourTable table {};
    table[3] = {200, 0, 0};
    table[4] = {0, 100, 0};
    ZoomStep step;
    EXPECT_EQ(step.nextColour(table), qRgb(200, 0, 0));
    for (int i = 1; i < 50; ++i)
        step.nextColour(table);
    EXPECT_EQ(step.nextColour(table), qRgb(100, 50, 0));
    for (int i = 51; i <= ZoomStep::kFadeSteps; ++i)
        step.nextColour(table);
    EXPECT_EQ(step.colourIndex, 4);
    for (int i = 0; i < 12 * (ZoomStep::kFadeSteps + 1); ++i)
        step.nextColour(table);
    EXPECT_EQ(step.colourIndex, 3);
}
