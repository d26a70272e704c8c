#pragma once

#include "meter_plugin/win32/vis_interface.h"

#include <windows.h>

namespace dovrik::host {

// Times, on the meter's thread and side by side in rounds, `frames` calls of
// Render, `frames` paints of the meter window, and `frames` bare copies of an
// 81 x 22 surface to the meter window (taking and releasing its drawing context,
// as any drawing of a frame must). Reports the time of each, the ratios to the
// bare copy, and the share of one core that 40 frames a second take.
void runRenderBenchmark(VisModule& module, HWND meterWindow, int frames);

} // namespace dovrik::host
