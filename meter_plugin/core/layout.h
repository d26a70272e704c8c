#pragma once

#include "meter_plugin/core/meter_values.h"

// Where the meter sits over the host's main window. The host window is laid out
// on a grid of 275 x 116 pixels at scale 1; the meter covers 81 x 22 of it at
// (22, 42) and grows by whole multiples with the host window's width.
namespace dovrik {

inline constexpr int kHostBaseWidth = 275;
inline constexpr int kHostBaseHeight = 116;
inline constexpr int kMeterBaseWidth = 81;
inline constexpr int kMeterBaseHeight = 22;
inline constexpr int kMeterBaseX = 22;
inline constexpr int kMeterBaseY = 42;

struct MeterPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const MeterPlacement&, const MeterPlacement&) = default;
};

// Whole multiples of 275 in the client width; 0 for a host narrower than that.
int meterScale(const ClientRect& client);

// Placement when the meter starts: the offsets are the client extents scaled by
// 22/275 and 42/116 (multiplication first, truncating), the size 81 x 22 times
// the scale.
MeterPlacement placementAtStart(const ClientRect& client);

// Placement after the host window changed size: offsets 22 and 42 times the
// scale, so the two agree only on exact multiples of 275 x 116.
MeterPlacement placementAfterResize(const ClientRect& client);

} // namespace dovrik
