#pragma once

#include "meter_plugin/win32/vis_interface.h"

#include <windows.h>

#include <string>

// What a test run reads off the plug-in and its meter window, and reports.
namespace dovrik::host {

// The header and module records the library hands out, and its version texts.
void reportRecords(const VisHeader& header, HMODULE library);

// The meter window's place and size in the host window's client area, or that
// there is no meter window.
void reportMeterPlacement(HWND meter, HWND hostWindow);

// Writes what the meter window shows as a 24-bit BMP file, once a pending
// repaint has landed, as it would on screen.
void dumpMeter(HWND meter, const std::string& path);

} // namespace dovrik::host
