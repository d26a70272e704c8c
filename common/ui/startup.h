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

// Where there is no display, or DISPLAY names an X display that does not answer
// (over ssh, or after the server restarted), says so on stderr and ends with
// status 1: Qt's platforms would end the process with an abort instead.
GuiStart startGuiProgram(int argc, char** argv, const ProgramInfo& program, std::string_view desktopId);

} // namespace kit
