#include "meter_plugin/host/render_benchmark.h"

#include "meter_plugin/host/host_report.h"
#include "meter_plugin/win32/scoped_win.h"

#include <algorithm>
#include <vector>

namespace dovrik::host {
namespace {

constexpr int kRounds = 7;
constexpr int kFramesPerSecond = 40;
constexpr int kSurfaceWidth = 81;
constexpr int kSurfaceHeight = 22;

class Stopwatch {
public:
    Stopwatch() { QueryPerformanceFrequency(&frequency_); }
    LONGLONG now() const
    {
        LARGE_INTEGER ticks;
        QueryPerformanceCounter(&ticks);
        return ticks.QuadPart;
    }
    double microseconds(LONGLONG from, LONGLONG to, int frames) const
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

double coreShareAt40Fps(double microsecondsPerFrame)
{
    return microsecondsPerFrame * kFramesPerSecond / 1e6 * 100;
}

} // namespace

void runRenderBenchmark(VisModule& module, HWND meterWindow, int frames)
{
    WindowDC screen(meterWindow);
    MemoryDC surface(screen.get());
    GdiObject bitmap(CreateCompatibleBitmap(screen.get(), kSurfaceWidth, kSurfaceHeight));
    Selection selected(surface.get(), bitmap.get());

    const Stopwatch clock;
    std::vector<double> render, paint, blit;
    for (int round = 0; round < kRounds; ++round) {
        const LONGLONG start = clock.now();
        for (int i = 0; i < frames; ++i)
            module.Render(&module);
        const LONGLONG rendered = clock.now();
        for (int i = 0; i < frames; ++i)
            RedrawWindow(meterWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const LONGLONG painted = clock.now();
        for (int i = 0; i < frames; ++i) {
            HDC dc = GetDC(meterWindow);
            BitBlt(dc, 0, 0, kSurfaceWidth, kSurfaceHeight, surface.get(), 0, 0, SRCCOPY);
            ReleaseDC(meterWindow, dc);
        }
        const LONGLONG copied = clock.now();
        render.push_back(clock.microseconds(start, rendered, frames));
        paint.push_back(clock.microseconds(rendered, painted, frames));
        blit.push_back(clock.microseconds(painted, copied, frames));
    }
    const double renderUs = median(render);
    const double paintUs = median(paint);
    const double blitUs = median(blit);
    report("benchmark %d frames x %d rounds, median per frame: render %.2f us, paint %.2f us, bare copy %.2f us",
           frames, kRounds, renderUs, paintUs, blitUs);
    report("benchmark ratio to the bare copy: render %.2f, render + paint %.2f", renderUs / blitUs,
           (renderUs + paintUs) / blitUs);
    report("benchmark share of one core at %d frames a second: render %.3f%%, render + paint %.3f%%, bare copy %.3f%%",
           kFramesPerSecond, coreShareAt40Fps(renderUs), coreShareAt40Fps(renderUs + paintUs),
           coreShareAt40Fps(blitUs));
}

} // namespace dovrik::host
