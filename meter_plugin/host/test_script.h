#pragma once

#include "meter_plugin/host/test_options.h"

#include <windows.h>

#include <string>
#include <vector>

namespace dovrik::host {

// What a test run's script works on.
struct ScriptTarget {
    HWND hostWindow = nullptr;
    HWND meterWindow = nullptr;
    std::wstring settingsPath;     // the plug-in's plugin.ini
    HANDLE menuHandled = nullptr;  // set by the meter's thread once it has handled a right click
    UINT configRequest = 0;        // the host window runs Config when sent this
};

// Runs the steps in order on the calling thread, as a user would work the
// plug-in: a right click on the meter and then keys in its menu; the needle
// dialog's controls worked by the messages that a user's mouse and keys cause;
// Config as the player's preferences start it; the host window resized as a
// user drags it.
// Reports what each step shows, and waits a bounded time for every window it
// needs.
void runScript(const std::vector<ScriptStep>& steps, const ScriptTarget& target);

} // namespace dovrik::host
