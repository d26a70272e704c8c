#pragma once

#include "meter_plugin/win32/meter_state.h"
#include "meter_plugin/win32/vis_interface.h"

#include <windows.h>

// The meter's child window over the host's main window: its class, its
// messages, and the drawing and surface work shared with Render and Init.
namespace dovrik {

inline constexpr char kMeterClassName[] = "Dovrik";
inline constexpr UINT_PTR kMeterTimerId = 1;
inline constexpr UINT kMeterTimerMs = 100;

LRESULT CALLBACK meterWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The module record the meter window was created for (its user value).
VisModule* moduleOfMeterWindow(HWND window);

// The functions below, but for switchFace(), expect the caller to hold state.lock.

// Whether the meter is up: its window exists and it has surfaces to draw on.
bool meterRunning(const MeterState& state);

// A new back surface compatible with `reference`, meterWidth x meterHeight.
void createBackSurface(MeterState& state, HDC reference);

// Loads the face of modelId from `library` into the face surface, which then
// shows it, and lays out its needles.
void showFaceOfModel(MeterState& state, HINSTANCE library);

// Lays out the needles for the face shown at the current size, and puts the pen
// that needlePen names into the back surface.
void setUpNeedleGeometry(MeterState& state);

// Stretches the shown 81 x 22 of the face over the whole back surface.
void drawFace(MeterState& state);

// Draws both needles into the back surface and copies it to `target`.
void drawNeedlesAndShow(MeterState& state, HDC target);

// Copies the back surface, the picture last put together, to `target`.
void showBackSurface(const MeterState& state, HDC target);

// Draws the frame, face, needles and copy, into the window, unless the window
// already shows these needles on this face at this size. Then every 40th such
// frame only copies the back surface, which still holds that picture, to the
// window again, mending what was painted over the meter meanwhile. Takes the
// window's drawing context only when it draws.
void showFrameIfChanged(MeterState& state);

// Changes to the face modelId names: the settings written, then both surfaces
// made anew, the face loaded from the library and the needles laid out in one
// hold of the lock, and the window repainted. The library is the one of the
// module record stored with the meter window, or of `fallbackModule` when the
// window has no record (any more). Takes the lock itself; a meter that has ended
// meanwhile only gets its settings written.
void switchFace(MeterState& state, const VisModule& fallbackModule);

} // namespace dovrik
