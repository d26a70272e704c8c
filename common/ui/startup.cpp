#include "common/ui/startup.h"

#include "common/core/textconversion.h"

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

namespace kit {
namespace {

bool set(const char* value) { return value != nullptr && *value != '\0'; }

// Whether Qt will take the X platform and nothing else: the platform named
// alone, or none named while there is no Wayland display to prefer.
bool onlyX(const char* platform, const char* waylandDisplay)
{
    if (!set(platform))
        return !set(waylandDisplay);
    const std::string_view named(platform);
    return named.substr(0, named.find(':')) == "xcb"; // options follow a colon
}

} // namespace

std::optional<std::string> unreachableDisplay(const char* platform, const char* display, const char* waylandDisplay)
{
    if (!set(display) || !onlyX(platform, waylandDisplay))
        return std::nullopt;
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool refused = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (!refused)
        return std::nullopt;
    return "cannot open the display \"" + std::string(display) + "\" that DISPLAY names: no X server answers there,\n"
           "or it refuses this user; start it in a desktop session, or under xvfb-run";
}

GuiStart startGuiProgram(int argc, char** argv, const ProgramInfo& program, std::string_view desktopId)
{
    GuiStart start;
    start.commandLine = parseCommandLine(argc, argv, !program.file.empty());
    if ((start.exitStatus = answerCommandLine(start.commandLine, program)))
        return start;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    const char* waylandDisplay = std::getenv("WAYLAND_DISPLAY");
    std::optional<std::string> noDisplay = missingDisplay(platform, display, waylandDisplay);
    if (!noDisplay)
        noDisplay = unreachableDisplay(platform, display, waylandDisplay);
    if (noDisplay) {
        std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(program.command.size()), program.command.data(),
                     noDisplay->c_str());
        start.exitStatus = 1;
        return start;
    }
    // QApplication keeps a reference to its argument count for as long as it lives.
    static int qtArgc = 1;
    start.application = std::make_unique<QApplication>(qtArgc, argv);
    QGuiApplication::setDesktopFileName(toQString(desktopId));
    QCoreApplication::setApplicationName(toQString(program.name));
    return start;
}

} // namespace kit
