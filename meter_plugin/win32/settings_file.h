#pragma once

#include "meter_plugin/core/settings_rules.h"
#include "meter_plugin/win32/wide_path.h"

#include <windows.h>

// The settings file through the platform's profile functions.
namespace dovrik {

// The full path of the library file `library` was loaded from, or an empty path
// when the platform gives none. `extra` characters more fit behind it.
WidePath libraryPath(HINSTANCE library, std::size_t extra = 0);

// "plugin.ini" beside the library file that `library` was loaded from, or in the
// current directory when the platform gives no path for it. Empty only when the
// process has no memory left for a path.
WidePath settingsPathFor(HINSTANCE library);

// Reads the four keys in order, each with its value in `current` as the default;
// applySettings() then gives them their meaning. A missing file reads as four
// missing keys, that is as `current`, and so does an empty path: the profile
// functions would take it for the Windows directory's own settings file.
SettingValues readSettings(const SettingValues& current, const wchar_t* path);

// Writes the four keys in order as decimal numbers, creating the file and the
// section when needed and leaving every other section and key alone. A file that
// cannot be written, or an empty path, is not reported: the values live on in
// memory.
void writeSettings(const SettingValues& settings, const wchar_t* path);

} // namespace dovrik
