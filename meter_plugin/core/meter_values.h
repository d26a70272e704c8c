#pragma once

#include <array>

// The platform-free part of the meter's state: everything the level, needle,
// layout and settings rules read and write. The Win32 shell's MeterState adds
// the window, surface and lock handles on top of it.
namespace dovrik {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A window's client rectangle as the platform reports it.
struct ClientRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const ClientRect&, const ClientRect&) = default;
};

// Zero is black so that a meter which never set up its needles draws them black.
enum class NeedlePen : unsigned char { Black, White };

inline constexpr int kChannels = 2;
inline constexpr int kSpectrumBytesPerChannel = 576;
// Render sums only the lower half of each channel's spectrum bytes.
inline constexpr int kSummedSpectrumBytes = 288;

using Levels = std::array<int, kChannels>;

// Every member starts at zero, as the state does when the library is loaded.
struct MeterValues {
    ClientRect hostClientRect;
    int meterWidth = 0;
    int meterHeight = 0;
    int modelId = 0;
    NeedlePen needlePen = NeedlePen::Black;
    int needleLength = 0;
    // P0 pivot, P1 tip, P2 base end of needle 0 (channel 0, right half);
    // P3, P4, P5 the same for needle 1 (channel 1, left half).
    std::array<Point, 6> needlePoints{};
    Levels level{};
    int nVULimit = 0;
    int nDelay = 0;
    bool AutoSet = false;
    Levels drawnLevel{};
    Levels tickDrawn{};
    Levels tickDrawnBefore{};
    Levels restLevel{};
};

} // namespace dovrik
