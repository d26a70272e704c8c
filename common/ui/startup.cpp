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

// A connection to the X display that Qt will open, made first to learn whether
// it answers. It is held until Qt has its own: an X server whose last client
// leaves resets itself (Xvfb under xvfb-run does), and refuses connections
// for a moment while it does.
class DisplayProbe
{
public:
    explicit DisplayProbe(const char* display)
        : m_connection(xcb_connect(display, nullptr))
    {
    }
    ~DisplayProbe() { xcb_disconnect(m_connection); }
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;

    bool answered() const { return xcb_connection_has_error(m_connection) == 0; }

private:
    xcb_connection_t* m_connection;
};

void complain(const ProgramInfo& program, const std::string& why)
{
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(program.command.size()), program.command.data(), why.c_str());
}

} // namespace

GuiStart startGuiProgram(int argc, char** argv, const ProgramInfo& program, std::string_view desktopId)
{
    GuiStart start;
    start.commandLine = parseCommandLine(argc, argv, !program.file.empty());
    if ((start.exitStatus = answerCommandLine(start.commandLine, program)))
        return start;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    const char* waylandDisplay = std::getenv("WAYLAND_DISPLAY");
    if (const std::optional<std::string> missing = missingDisplay(platform, display, waylandDisplay)) {
        complain(program, *missing);
        start.exitStatus = 1;
        return start;
    }
    std::optional<DisplayProbe> probe;
    if (set(display) && onlyX(platform, waylandDisplay) && !probe.emplace(display).answered()) {
        complain(program, "cannot open the display \"" + std::string(display) +
                              "\" that DISPLAY names: no X server answers there,\n"
                              "or it refuses this user; start it in a desktop session, or under xvfb-run");
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
