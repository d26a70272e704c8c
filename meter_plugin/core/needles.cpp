#include "meter_plugin/core/needles.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>

namespace dovrik {
namespace {

constexpr double kScaleStartRadians = 2.79253; // about 160 degrees
constexpr double kScaleSpanRadians = 2.44346;  // about 140 degrees

constexpr int kRangingStep = 10;
constexpr int kRangingCeiling = 8000;
constexpr int kRangingFloor = 1024;
constexpr int kIdleFallSteps = 3;

// Cuts toward zero like a plain conversion, but keeps a nonsensical full scale
// (a settings file can hold anything) from turning into undefined behaviour.
int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(value, low, high));
}

// Levels and fall steps can be anything a settings file holds, so the level
// arithmetic is done wide and a result past int is kept at its end: an absurd
// fall step pins the needle at a scale end instead of wrapping around.
int clampedToInt(std::int64_t value)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void setTips(MeterValues& values, int vuLimit)
{
    auto& p = values.needlePoints;
    p[1] = needleTip(p[0], values.needleLength, values.level[0], vuLimit);
    p[4] = needleTip(p[3], values.needleLength, values.level[1], vuLimit);
}

} // namespace

int rangingFallStep(int vuLimit)
{
    return static_cast<int>(std::int64_t{vuLimit} * 63 / 3072);
}

bool setUpNeedles(MeterValues& values, int face)
{
    const int w = values.meterWidth;
    const int h = values.meterHeight;
    const int x0 = 3 * w / 4;
    const int x1 = w / 4;
    int baseOffset = 0;
    switch (face) {
    case 100:
        values.needleLength = h * 85 / 100;
        values.needlePen = NeedlePen::Black;
        break;
    case 101:
        values.needleLength = h * 85 / 100;
        values.needlePen = NeedlePen::White;
        baseOffset = -1; // a wedge two pixels wide at the base
        break;
    case 102:
        values.needleLength = h * 80 / 100;
        values.needlePen = NeedlePen::Black;
        break;
    default:
        return false;
    }
    auto& p = values.needlePoints;
    p[0] = {x0, h};
    p[2] = {x0 + baseOffset, h};
    p[3] = {x1, h};
    p[5] = {x1 + baseOffset, h};
    return true;
}

Point needleTip(Point pivot, int length, int level, int vuLimit)
{
    const double theta = kScaleStartRadians - level * kScaleSpanRadians / vuLimit;
    return {pivot.x + truncated(length * std::cos(theta)),
            pivot.y - truncated(length * std::sin(theta))};
}

void updateNeedleTips(MeterValues& values)
{
    setTips(values, values.nVULimit);
}

int spectrumSum(ChannelSpectrum channel)
{
    const auto summed = channel.first<kSummedSpectrumBytes>();
    return std::accumulate(summed.begin(), summed.end(), 0);
}

void renderLevels(MeterValues& values, ChannelSpectrum channel0, ChannelSpectrum channel1)
{
    int vuLimit = values.nVULimit;
    const int fallStep = values.nDelay;
    const ChannelSpectrum channels[kChannels] = {channel0, channel1};
    int rangingTarget = 0;
    for (int c = 0; c < kChannels; ++c) {
        int sum = spectrumSum(channels[c]);
        rangingTarget = std::max(rangingTarget, sum * 350 / 100);
        sum = std::min(sum, vuLimit);
        if (sum > values.level[c])
            values.level[c] = sum;
        else
            values.level[c] = clampedToInt(std::int64_t{values.level[c]} - fallStep);
    }
    setTips(values, vuLimit);

    if (values.AutoSet) {
        if (vuLimit < rangingTarget && vuLimit < kRangingCeiling)
            vuLimit += kRangingStep;
        else if (vuLimit > rangingTarget && vuLimit > kRangingFloor)
            vuLimit -= kRangingStep;
        values.nVULimit = vuLimit;
        values.nDelay = rangingFallStep(vuLimit);
    }
    values.drawnLevel = values.level;
}

int restingLevel(int nDelay)
{
    return clampedToInt(-std::int64_t{nDelay});
}

bool idleFallDue(MeterValues& values)
{
    values.tickDrawnBefore = values.tickDrawn;
    values.tickDrawn = values.drawnLevel;
    if (values.tickDrawnBefore != values.tickDrawn)
        return false;
    return values.level != values.restLevel;
}

void fallTowardRest(MeterValues& values)
{
    const int fallStep = values.nDelay;
    const int rest = restingLevel(fallStep);
    for (int& level : values.level)
        level = std::max(clampedToInt(level - std::int64_t{kIdleFallSteps} * fallStep), rest);
    updateNeedleTips(values);
}

} // namespace dovrik
