#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The command line the three programs share: -h/--help and --version answer
// and end the program before any window or display is touched; anything else
// that looks like an option is refused with status 2, the usual status for
// misuse. The whole command line is the program's own: Qt's options are not
// taken (its QT_* environment variables do the same work).
namespace kit {

struct ProgramInfo {
    std::string_view command; // the installed name, "tessel"
    std::string_view name;    // "Tessel"
    std::string_view version; // "1.0"
    std::string_view summary; // what the program does, in a sentence for --help
    std::string_view file;    // the one file operand it takes, as the usage names it ("PICTURE"); empty for none
};

struct CommandLine {
    enum class Action { Run, Help, Version, Misuse };
    Action action = Action::Run;
    std::optional<std::string> file; // for Run: the file operand, where one was given
    std::string error;               // for Misuse: the complaint, without the program's name
};

// Reads the arguments after the program's name, in order: the first of --help,
// --version or a misuse decides. Options may stand before or after the file;
// "--" ends the options, and "-" is an operand, as with getopt.
CommandLine parseCommandLine(const std::vector<std::string>& args, bool takesFile);
CommandLine parseCommandLine(int argc, const char* const* argv, bool takesFile);

std::string usageText(const ProgramInfo& program);
std::string versionText(const ProgramInfo& program);

// For main(): prints the help or the version on `out` (status 0), or the
// complaint and the usage on `err` (status 2), and returns the status the
// program ends with; a failed write to `out` ends it with 1. Returns nothing
// when the program is to start. C's streams, not C++'s: a program that includes
// <iostream> sets up the standard streams and their locale at every start, a
// third of a megabyte for the many starts that print nothing.
std::optional<int> answerCommandLine(const CommandLine& commandLine, const ProgramInfo& program,
                                     std::FILE* out = stdout, std::FILE* err = stderr);

// Why the program has no display to open its windows on, or nothing when it has
// one to try. Qt's platform plugins end the process with an abort when they find
// none, so the programs ask first and say so. The arguments are the values of
// QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY, null when unset; platforms that
// need no display (offscreen, minimal, vnc, ...) always have one.
std::optional<std::string> missingDisplay(const char* platform, const char* display, const char* waylandDisplay);

} // namespace kit
