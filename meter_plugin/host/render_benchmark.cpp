#include "meter_plugin/host/render_benchmark.h"

#include "meter_plugin/core/needles.h"
#include "meter_plugin/core/settings_rules.h"
#include "meter_plugin/host/host_report.h"
#include "meter_plugin/host/sound_analysis.h"
#include "meter_plugin/win32/scoped_win.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace dovrik::host {
namespace {

constexpr int kRounds = 7;
constexpr int kFramesPerSecond = 40;
constexpr int kJumpStep = 50; // how far apart the sums are that a moving frame tries

class Stopwatch {
public:
    Stopwatch() { QueryPerformanceFrequency(&frequency_); }
    LONGLONG now() const
    {
        LARGE_INTEGER ticks;
        QueryPerformanceCounter(&ticks);
        return ticks.QuadPart;
    }
    double microsecondsPerFrame(LONGLONG from, LONGLONG to, int frames) const
    {
        return static_cast<double>(to - from) * 1e6 / static_cast<double>(frequency_.QuadPart) / frames;
    }

private:
    LARGE_INTEGER frequency_{};
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double coreShare(double microsecondsPerFrame)
{
    return microsecondsPerFrame * kFramesPerSecond / 1e6 * 100;
}

// The spectra of one frame, both channels, as the host hands them over.
struct FrameSpectra {
    unsigned char bytes[kChannels][kVisDataBytes];
};

// Follows the meter's levels and needles with the rules the plug-in runs, from
// its state at load with the default settings, to pick each frame's spectra.
class MeterMirror {
public:
    MeterMirror(int width, int height)
    {
        values_.meterWidth = width;
        values_.meterHeight = height;
        values_.modelId = kDefaultModelId;
        values_.nDelay = kDefaultDelay;
        values_.nVULimit = kDefaultVULimit;
        setUpNeedles(values_, kDefaultModelId);
        updateNeedleTips(values_);
    }

    const std::array<Point, 6>& needles() const { return values_.needlePoints; }

    // Spectra that move both tips where any can: a sawtooth over the whole scale,
    // up to the full scale at once and down a fall step a frame, but where a fall
    // would leave a tip in its pixel the channel rises to the lowest sum that moves it.
    FrameSpectra moving() const
    {
        int sums[kChannels] = {};
        for (int c = 0; c < kChannels; ++c) {
            const Point pivot = values_.needlePoints[c == 0 ? 0 : 3];
            const Point tip = values_.needlePoints[c == 0 ? 1 : 4];
            const int level = values_.level[static_cast<std::size_t>(c)];
            const int vuLimit = values_.nVULimit;
            auto moves = [&](int sum) {
                const int next = std::min(sum, vuLimit) > level ? std::min(sum, vuLimit) : level - values_.nDelay;
                return !(needleTip(pivot, values_.needleLength, next, vuLimit) == tip);
            };
            int chosen = level <= 0 ? vuLimit : 0;
            for (int sum = std::max(level, 0) + kJumpStep; !moves(chosen) && sum <= vuLimit; sum += kJumpStep)
                chosen = sum;
            sums[c] = chosen;
        }
        return spectraOf(sums[0], sums[1]);
    }

    // Spectra past the full scale: the needles tremble between the scale's end and
    // one fall step below it, which on a small meter is the same pixel.
    FrameSpectra still() const { return spectraOf(kSummedSpectrumBytes * 255, kSummedSpectrumBytes * 255); }

    // Applies a frame as Render does; returns how many of the two tips moved.
    int advance(const FrameSpectra& spectra)
    {
        const auto before = values_.needlePoints;
        renderLevels(values_, ChannelSpectrum(spectra.bytes[0]), ChannelSpectrum(spectra.bytes[1]));
        return !(before[1] == values_.needlePoints[1]) + !(before[4] == values_.needlePoints[4]);
    }

private:
    static FrameSpectra spectraOf(int sum0, int sum1)
    {
        FrameSpectra spectra{};
        const ChannelSpectrumBytes channel0 = spectrumWithSum(sum0);
        const ChannelSpectrumBytes channel1 = spectrumWithSum(sum1);
        std::memcpy(spectra.bytes[0], channel0.data(), kVisDataBytes);
        std::memcpy(spectra.bytes[1], channel1.data(), kVisDataBytes);
        return spectra;
    }

    MeterValues values_;
};

// The host's own copy of Render's drawing order: a face, a back surface with a
// white pen, and the needles it is given.
class FloorFrame {
public:
    FloorFrame(HDC reference, int width, int height)
        : width_(width), height_(height), face_(reference), back_(reference),
          faceBitmap_(CreateCompatibleBitmap(reference, width, height)),
          backBitmap_(CreateCompatibleBitmap(reference, width, height)),
          faceSelected_(face_.get(), faceBitmap_.get()), backSelected_(back_.get(), backBitmap_.get()),
          pen_(back_.get(), GetStockObject(WHITE_PEN))
    {
    }

    void draw(HWND window, const std::array<Point, 6>& needles)
    {
        StretchBlt(back_.get(), 0, 0, width_, height_, face_.get(), 0, 0, width_, height_, SRCCOPY);
        POINT points[6];
        for (std::size_t i = 0; i < needles.size(); ++i)
            points[i] = {needles[i].x, needles[i].y};
        const DWORD pointsPerNeedle[] = {3, 3};
        PolyPolyline(back_.get(), points, pointsPerNeedle, 2);
        HDC dc = GetDC(window);
        BitBlt(dc, 0, 0, width_, height_, back_.get(), 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
    }

private:
    int width_;
    int height_;
    MemoryDC face_;
    MemoryDC back_;
    GdiObject faceBitmap_;
    GdiObject backBitmap_;
    Selection faceSelected_;
    Selection backSelected_;
    Selection pen_;
};

} // namespace

void runRenderBenchmark(VisModule& module, HWND meterWindow, int frames)
{
    RECT client{};
    GetClientRect(meterWindow, &client);
    const int width = client.right;
    const int height = client.bottom;
    WindowDC held(meterWindow);
    MemoryDC bare(held.get());
    GdiObject bareBitmap(CreateCompatibleBitmap(held.get(), width, height));
    Selection bareSelected(bare.get(), bareBitmap.get());
    FloorFrame floor(held.get(), width, height);

    MeterMirror mirror(width, height);
    std::vector<FrameSpectra> moving(static_cast<std::size_t>(frames));
    std::vector<std::array<Point, 6>> floorNeedles(static_cast<std::size_t>(frames));
    const FrameSpectra still = mirror.still();
    int movedFrames = 0;
    int stillFrames = 0;
    auto feed = [&module](const FrameSpectra& spectra) { std::memcpy(module.spectrumData, spectra.bytes, sizeof spectra.bytes); };

    const Stopwatch clock;
    std::vector<double> bareUs, renderUs, floorUs, stillUs;
    for (int round = 0; round < kRounds; ++round) {
        for (int i = 0; i < frames; ++i) {
            moving[static_cast<std::size_t>(i)] = mirror.moving();
            movedFrames += mirror.advance(moving[static_cast<std::size_t>(i)]) == kChannels;
            floorNeedles[static_cast<std::size_t>(i)] = mirror.needles();
        }

        const LONGLONG start = clock.now();
        for (int i = 0; i < frames; ++i)
            BitBlt(held.get(), 0, 0, width, height, bare.get(), 0, 0, SRCCOPY);
        const LONGLONG bareDone = clock.now();
        for (const FrameSpectra& spectra : moving) {
            feed(spectra);
            module.Render(&module);
        }
        const LONGLONG renderDone = clock.now();
        for (const auto& needles : floorNeedles)
            floor.draw(meterWindow, needles);
        const LONGLONG floorDone = clock.now();
        // The first frame at the scale's end still moves the needles there.
        feed(still);
        module.Render(&module);
        mirror.advance(still);
        const LONGLONG stillStart = clock.now();
        for (int i = 0; i < frames; ++i) {
            feed(still);
            module.Render(&module);
        }
        const LONGLONG stillDone = clock.now();
        for (int i = 0; i < frames; ++i)
            stillFrames += mirror.advance(still) == 0;

        bareUs.push_back(clock.microsecondsPerFrame(start, bareDone, frames));
        renderUs.push_back(clock.microsecondsPerFrame(bareDone, renderDone, frames));
        floorUs.push_back(clock.microsecondsPerFrame(renderDone, floorDone, frames));
        stillUs.push_back(clock.microsecondsPerFrame(stillStart, stillDone, frames));
    }
    const double bareFrame = median(bareUs);
    const double renderFrame = median(renderUs);
    const double floorFrame = median(floorUs);
    const double stillFrame = median(stillUs);
    const int total = frames * kRounds;
    report("benchmark %d frames x %d rounds at %dx%d, median per frame: bare copy %.2f us, render %.2f us, "
           "floor %.2f us, still frame %.2f us",
           frames, kRounds, width, height, bareFrame, renderFrame, floorFrame, stillFrame);
    report("benchmark frames that moved both needles: %d of %d; still frames that moved neither: %d of %d",
           movedFrames, total, stillFrames, total);
    report("benchmark ratios: render to bare copy %.2f, floor to bare copy %.2f, render to floor %.2f, "
           "still frame to bare copy %.2f",
           renderFrame / bareFrame, floorFrame / bareFrame, renderFrame / floorFrame, stillFrame / bareFrame);
    report("benchmark share of one core at %d frames a second: bare copy %.3f%%, render %.3f%%, floor %.3f%%, "
           "still frame %.4f%%",
           kFramesPerSecond, coreShare(bareFrame), coreShare(renderFrame), coreShare(floorFrame),
           coreShare(stillFrame));
}

} // namespace dovrik::host
