#pragma once

#include <array>
#include <atomic>

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

// A value that one thread may change while another reads it: the needle dialog's
// thread sets the full scale, the fall step and automatic ranging while Render
// reads them on the meter's thread. Every read and write is whole, and a copy is
// a snapshot of the value at that moment. Code that uses a value several times in
// one step reads it once into a local, so that the step sees one value throughout.
template <class T>
class SharedValue {
public:
    constexpr SharedValue(T value = T{}) noexcept : value_(value) {}
    SharedValue(const SharedValue& other) noexcept : value_(other.load()) {}
    SharedValue& operator=(const SharedValue& other) noexcept
    {
        store(other.load());
        return *this;
    }
    SharedValue& operator=(T value) noexcept
    {
        store(value);
        return *this;
    }
    operator T() const noexcept { return load(); }
    T load() const noexcept { return value_.load(); }
    void store(T value) noexcept { value_.store(value); }

private:
    static_assert(std::atomic<T>::is_always_lock_free);
    std::atomic<T> value_;
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
    SharedValue<int> nVULimit;
    SharedValue<int> nDelay;
    SharedValue<bool> AutoSet;
    // The needle dialog's fall per frame in per mille of the full scale, taken
    // when the dialog opens or a preset is chosen.
    SharedValue<float> decayPerMille;
    Levels drawnLevel{};
    Levels tickDrawn{};
    Levels tickDrawnBefore{};
    Levels restLevel{};
};

} // namespace dovrik
