#pragma once

#include "meter_plugin/core/meter_values.h"

#include <span>

// Levels and needles of the meter: what one Render frame, one timer tick and a
// change of face or size do to MeterValues. Nothing here draws; the shell draws
// the face and the needlePoints these functions leave behind.
namespace dovrik {

using ChannelSpectrum = std::span<const unsigned char, kSpectrumBytesPerChannel>;

// Lays out both needles for `face`, the face the meter shows (the modelId whose
// picture was loaded), on a meter of meterWidth x meterHeight: pivots at the
// bottom edge (y = meterHeight) at 3/4 and 1/4 of the width, the base ends,
// needleLength and needlePen. The tips are left for the next drawing to compute.
// Returns false, changing nothing, when `face` names no face.
bool setUpNeedles(MeterValues& values, int face);

// Tip of a needle of `length` pivoting at `pivot` for `level` on a full scale of
// `vuLimit`: the angle runs linearly from 160 degrees at level 0 through 90 at half
// scale to 20 at vuLimit (counter-clockwise, y up), and each coordinate offset is
// cut toward zero. A level below 0 or above vuLimit swings past the scale ends.
Point needleTip(Point pivot, int length, int level, int vuLimit);

// Sets both tips (P1, P4) from `level`, changing no level.
void updateNeedleTips(MeterValues& values);

// Sum of the bytes Render looks at: the first 288 of a channel.
int spectrumSum(ChannelSpectrum channel);

// One Render frame's arithmetic. For each channel the needle jumps up to the
// channel's sum (capped at nVULimit) or else falls by nDelay, bounded only by the
// range of int; the tips follow. With AutoSet on, nVULimit then steps by 10
// toward 3.5 times the louder channel's sum (up only below 8000, down only above
// 1024) and nDelay becomes nVULimit x 63 / 3072. Finally drawnLevel records the
// levels.
void renderLevels(MeterValues& values, ChannelSpectrum channel0, ChannelSpectrum channel1);

// The fall step that automatic ranging sets for a full scale of `vuLimit`:
// vuLimit x 63 / 3072, so that a needle falls about 2.05 percent of the scale a
// frame at any full scale.
int rangingFallStep(int vuLimit);

// The level at which the needles rest for a fall step of `nDelay`: -nDelay, kept
// within the range of int.
int restingLevel(int nDelay);

// The timer's bookkeeping: shifts drawnLevel into the tick snapshots and says
// whether the needles should fall now, that is, Render drew nothing new since the
// previous tick and the levels are not at restLevel.
bool idleFallDue(MeterValues& values);

// One idle fall step: each level drops by 3 x nDelay, within the range of int,
// but not below restingLevel(nDelay), and the tips follow. drawnLevel is left
// alone and no ranging happens.
void fallTowardRest(MeterValues& values);

} // namespace dovrik
