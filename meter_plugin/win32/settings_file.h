#pragma once

#include "meter_values.h"

#include <windows.h>

#include <string>

// The settings file through the platform's profile functions.
namespace dovrik {

// "plugin.ini" beside the library file that `library` was loaded from, or in the
// current directory when the platform gives no path for it.
std::wstring settingsPathFor(HINSTANCE library);

// Reads the four keys in order, each with the value's current setting as its
// default, and applies the reading rules (zeros become defaults, any AutoSet but
// 0 is on). A missing file reads as four missing keys.
void readSettings(MeterValues& values, const std::wstring& path);

// Writes the four keys in order as decimal numbers, creating the file and the
// section when needed and leaving every other section and key alone. A file that
// cannot be written is not reported: the values live on in memory.
void writeSettings(const MeterValues& values, const std::wstring& path);

} // namespace dovrik
