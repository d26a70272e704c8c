#include "meter_plugin/core/needles.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace dovrik {
namespace {

using Spectrum = std::array<unsigned char, kSpectrumBytesPerChannel>;

// Spreads `sum` over the bytes Render adds up; the bytes past them are loud so
// that a sum over the wrong range shows.
Spectrum spectrumWithSum(int sum)
{
    Spectrum bytes{};
    for (int i = 0; i < kSummedSpectrumBytes; ++i)
        bytes[i] = static_cast<unsigned char>(sum / kSummedSpectrumBytes + (i < sum % kSummedSpectrumBytes ? 1 : 0));
    for (int i = kSummedSpectrumBytes; i < kSpectrumBytesPerChannel; ++i)
        bytes[i] = 255;
    return bytes;
}

MeterValues runningMeter(int modelId, int width, int height)
{
    MeterValues values;
    values.modelId = modelId;
    values.meterWidth = width;
    values.meterHeight = height;
    values.nVULimit = 3072;
    values.nDelay = 63;
    values.restLevel = {-63, -63};
    EXPECT_TRUE(setUpNeedles(values, modelId));
    return values;
}

void render(MeterValues& values, int sum0, int sum1)
{
    const Spectrum channel0 = spectrumWithSum(sum0);
    const Spectrum channel1 = spectrumWithSum(sum1);
    renderLevels(values, channel0, channel1);
}

TEST(NeedleGeometry, PivotsBaseEndsLengthAndPenPerFaceAtScaleOne)
{
    const MeterValues face101 = runningMeter(101, 81, 22);
    EXPECT_EQ(face101.needlePoints[0], (Point{60, 22}));
    EXPECT_EQ(face101.needlePoints[2], (Point{59, 22}));
    EXPECT_EQ(face101.needlePoints[3], (Point{20, 22}));
    EXPECT_EQ(face101.needlePoints[5], (Point{19, 22}));
    EXPECT_EQ(face101.needleLength, 18);
    EXPECT_EQ(face101.needlePen, NeedlePen::White);

    const MeterValues face100 = runningMeter(100, 81, 22);
    EXPECT_EQ(face100.needlePoints[2], (Point{60, 22}));
    EXPECT_EQ(face100.needlePoints[5], (Point{20, 22}));
    EXPECT_EQ(face100.needleLength, 18);
    EXPECT_EQ(face100.needlePen, NeedlePen::Black);

    const MeterValues face102 = runningMeter(102, 81, 22);
    EXPECT_EQ(face102.needleLength, 17);
    EXPECT_EQ(face102.needlePen, NeedlePen::Black);
    EXPECT_EQ(face102.needlePoints[2], (Point{60, 22}));
}

TEST(NeedleGeometry, DoubleSizeMovesPivotsAndLengthens)
{
    const MeterValues face101 = runningMeter(101, 162, 44);
    EXPECT_EQ(face101.needlePoints[0], (Point{121, 44}));
    EXPECT_EQ(face101.needlePoints[3], (Point{40, 44}));
    EXPECT_EQ(face101.needleLength, 37);
    EXPECT_EQ(runningMeter(102, 162, 44).needleLength, 35);
}

TEST(NeedleGeometry, UnknownFaceLeavesEverythingAsItWas)
{
    MeterValues values = runningMeter(101, 81, 22);
    const MeterValues before = values;
    EXPECT_FALSE(setUpNeedles(values, 5));
    EXPECT_EQ(values.needlePoints, before.needlePoints);
    EXPECT_EQ(values.needleLength, 18);
    EXPECT_EQ(values.needlePen, NeedlePen::White);

    MeterValues fresh;
    fresh.meterWidth = 81;
    fresh.meterHeight = 22;
    EXPECT_FALSE(setUpNeedles(fresh, 5));
    EXPECT_EQ(fresh.needlePoints, (std::array<Point, 6>{}));
}

TEST(NeedleTip, FourLevelsOnFace101)
{
    const Point pivot{60, 22};
    EXPECT_EQ(needleTip(pivot, 18, 0, 3072), (Point{44, 16}));
    EXPECT_EQ(needleTip(pivot, 18, 1536, 3072), (Point{60, 5}));
    EXPECT_EQ(needleTip(pivot, 18, 3072, 3072), (Point{76, 16}));
    EXPECT_EQ(needleTip(pivot, 18, -63, 3072), (Point{43, 17}));
}

TEST(NeedleTip, ZeroLengthStaysOnThePivotAndAZeroScaleDoesNotBlowUp)
{
    EXPECT_EQ(needleTip({0, 0}, 0, 1234, 3072), (Point{0, 0}));
    const Point tip = needleTip({60, 22}, 18, 0, 0); // 0/0: no angle at all
    EXPECT_GE(tip.x, 60 - 18);
    EXPECT_LE(tip.x, 60 + 18);
}

TEST(RenderLevels, SilenceFromZeroAlternatesBetweenMinusDelayAndZero)
{
    MeterValues values = runningMeter(101, 81, 22);
    const int expected[] = {-63, 0, -63, 0};
    for (int level : expected) {
        render(values, 0, 0);
        EXPECT_EQ(values.level, (Levels{level, level}));
        EXPECT_EQ(values.drawnLevel, values.level);
    }
}

TEST(RenderLevels, SteadySumsAlternateBelowAndAtTheFullScale)
{
    MeterValues values = runningMeter(101, 81, 22);
    render(values, 1000, 5000);
    EXPECT_EQ(values.level, (Levels{1000, 3072}));
    render(values, 1000, 5000);
    EXPECT_EQ(values.level, (Levels{937, 3009}));
    render(values, 1000, 5000);
    EXPECT_EQ(values.level, (Levels{1000, 3072}));
}

TEST(RenderLevels, TipsFollowTheLevelsOfTheirOwnChannel)
{
    MeterValues values = runningMeter(101, 81, 22);
    render(values, 1536, 3072);
    EXPECT_EQ(values.needlePoints[1], (Point{60, 5}));  // channel 0, right half
    EXPECT_EQ(values.needlePoints[4], (Point{36, 16})); // channel 1, left half at full scale
}

TEST(RenderLevels, FallIsNotStoppedAtTheSum)
{
    MeterValues values = runningMeter(101, 81, 22);
    render(values, 3000, 3000);
    values.nDelay = 2000;
    render(values, 100, 100);
    EXPECT_EQ(values.level, (Levels{1000, 1000}));
    render(values, 100, 100);
    EXPECT_EQ(values.level, (Levels{-1000, -1000}));
}

TEST(RenderLevels, FallStepsFromAnySettingsFileStopAtTheEndsOfInt)
{
    MeterValues values = runningMeter(101, 81, 22);
    values.nDelay = 1000000000;
    render(values, 0, 0);
    fallTowardRest(values);
    EXPECT_EQ(values.level, (Levels{-1000000000, -1000000000}));

    values.nDelay = -1000000000; // the needles "fall" upwards
    for (int frame = 0; frame < 4; ++frame)
        render(values, 0, 0);
    EXPECT_EQ(values.level, (Levels{INT_MAX, INT_MAX}));
    fallTowardRest(values);
    EXPECT_EQ(values.level, (Levels{INT_MAX, INT_MAX}));
    EXPECT_EQ(restingLevel(INT_MIN), INT_MAX);
}

TEST(AutoRanging, LoudMusicRaisesTheLimitBy10PerFrameAndOvershoots8000)
{
    MeterValues values = runningMeter(101, 81, 22);
    values.AutoSet = true;
    render(values, 73440, 0);
    EXPECT_EQ(values.nVULimit, 3082);
    EXPECT_EQ(values.nDelay, 63);
    for (int frame = 0; frame < 600; ++frame)
        render(values, 73440, 0);
    EXPECT_EQ(values.nVULimit, 8002);
    EXPECT_EQ(values.nDelay, 164);
}

TEST(AutoRanging, SilenceLowersTheLimitAndUndershoots1024)
{
    MeterValues values = runningMeter(101, 81, 22);
    values.AutoSet = true;
    values.nVULimit = 1030;
    render(values, 0, 0);
    EXPECT_EQ(values.nVULimit, 1020);
    render(values, 0, 0);
    EXPECT_EQ(values.nVULimit, 1020);
    EXPECT_EQ(values.nDelay, 20);
}

TEST(AutoRanging, SettlesOnThreeAndAHalfTimesTheLouderChannel)
{
    MeterValues values = runningMeter(101, 81, 22);
    values.AutoSet = true;
    for (int frame = 0; frame < 20; ++frame)
        render(values, 100, 915); // 915 x 350 / 100 = 3202
    EXPECT_EQ(values.nVULimit, 3202);
    EXPECT_EQ(values.nDelay, 65);
}

TEST(AutoRanging, FallStepFollowsTheLimitOnlyWhenOn)
{
    MeterValues values = runningMeter(101, 81, 22);
    values.AutoSet = true;
    const std::pair<int, int> limitAndStep[] = {{3072 + 10, 63}, {8000 + 10, 164}, {1024 + 10, 21}, {6000 + 10, 123}};
    for (auto [limit, step] : limitAndStep) {
        values.nVULimit = limit;
        render(values, 0, 0); // silence takes 10 off
        EXPECT_EQ(values.nDelay, step) << "limit " << limit - 10;
    }

    values.AutoSet = false;
    values.nVULimit = 6000;
    values.nDelay = 7;
    render(values, 73440, 73440);
    EXPECT_EQ(values.nVULimit, 6000);
    EXPECT_EQ(values.nDelay, 7);
}

TEST(IdleFall, StartsAtTheSecondTickAfterRenderStopsAndEndsAtRest)
{
    MeterValues values = runningMeter(101, 81, 22);
    render(values, 2000, 2000);
    EXPECT_FALSE(idleFallDue(values)); // Render drew since the previous tick

    const int expected[] = {1811, 1622, 1433, 1244, 1055, 866, 677, 488, 299, 110, -63};
    for (int level : expected) {
        ASSERT_TRUE(idleFallDue(values));
        fallTowardRest(values);
        EXPECT_EQ(values.level, (Levels{level, level}));
    }
    EXPECT_EQ(values.drawnLevel, (Levels{2000, 2000}));
    EXPECT_EQ(values.needlePoints[1], (Point{43, 17}));
    EXPECT_FALSE(idleFallDue(values));
    EXPECT_FALSE(idleFallDue(values));
}

TEST(IdleFall, FirstTickAfterStartLaysTheNeedlesToRest)
{
    MeterValues values = runningMeter(101, 81, 22);
    ASSERT_TRUE(idleFallDue(values));
    fallTowardRest(values);
    EXPECT_EQ(values.level, (Levels{-63, -63}));
}

TEST(IdleFall, ChangedFallStepEndsOffRestAndKeepsRedrawing)
{
    MeterValues values = runningMeter(101, 81, 22);
    values.nDelay = 100;
    for (int tick = 0; tick < 5; ++tick) {
        ASSERT_TRUE(idleFallDue(values));
        fallTowardRest(values);
    }
    EXPECT_EQ(values.level, (Levels{-100, -100}));
    EXPECT_TRUE(idleFallDue(values));
}

} // namespace
} // namespace dovrik
