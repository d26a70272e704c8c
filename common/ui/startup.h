#pragma once

#include "common/core/commandline.h"

#include <QApplication>

#include <memory>
#include <optional>
#include <string_view>

namespace kit {

// How the three programs start, before their first window: the command line is
// read and answered (help, version, misuse), the display is checked, and the
// application is made with the program's names. Qt sees only the program's name;
// the rest of the command line is the program's own.
struct GuiStart
{
    // Where the program ends before any window: the status to end with.
    std::optional<int> exitStatus;
    CommandLine commandLine;
    std::unique_ptr<QApplication> application;
};

GuiStart startGuiProgram(int argc, char** argv, const ProgramInfo& program, std::string_view desktopId);

// Why the X display that Qt would open cannot be reached, or nothing where it
// can, or where Qt would not open one (another platform, or a Wayland display
// it may take instead). Qt's X platform ends the process with an abort when
// DISPLAY names no server that answers: over ssh, or after the server restarted.
std::optional<std::string> unreachableDisplay(const char* platform, const char* display, const char* waylandDisplay);

} // namespace kit
