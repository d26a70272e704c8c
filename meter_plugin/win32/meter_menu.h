#pragma once

#include <windows.h>

// The meter's right-click menu and what its commands open: the needle dialog,
// the next face, the end of the plug-in, the help page and the about box. All of
// it runs on the meter's thread, from the meter window's right-button release.
namespace dovrik {

// Shows the menu of the system's language 5 pixels right of `clickPoint` (the
// message's client coordinates, each an unsigned 16-bit value) and runs the
// command chosen, if any.
void showMeterMenu(HWND meterWindow, LPARAM clickPoint);

} // namespace dovrik
