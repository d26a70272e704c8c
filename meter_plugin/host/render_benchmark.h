#pragma once

#include "meter_plugin/win32/vis_interface.h"

#include <windows.h>

namespace dovrik::host {

// Times four kinds of frame on the meter's thread, `frames` of each side by side
// in rounds, and reports the medians, their ratios and the share of one core
// that 40 frames a second take:
//   - the baseline, a bare copy of a surface of the meter's size into the meter
//     window, whose drawing context is held throughout;
//   - Render drawing and showing a frame, with spectra that move both needles
//     every frame;
//   - the floor for that drawing order, drawn by the host itself: the face
//     stretched into a back surface, both needles, the back surface copied to the
//     window, whose drawing context is taken and released per frame;
//   - Render with spectra that leave both needle tips where they were, which
//     draws nothing but, at every 40th frame, the copy that mends the picture.
// The spectra are worked out ahead with the meter's own rules, which is why the
// plug-in must run from its defaults (no settings file) with face 101 and from
// its state at load, with nothing but these Render calls between.
void runRenderBenchmark(VisModule& module, HWND meterWindow, int frames);

} // namespace dovrik::host
