#include "common/core/commandline.h"

#include <algorithm>
#include <utility>

namespace kit {

namespace {

CommandLine answer(CommandLine::Action action, std::string error = {})
{
    CommandLine result;
    result.action = action;
    result.error = std::move(error);
    return result;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args, bool takesFile)
{
    CommandLine result;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        const bool isOption = !optionsEnded && arg.size() > 1 && arg[0] == '-';
        if (isOption) {
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            if (arg == "-h" || arg == "--help")
                return answer(CommandLine::Action::Help);
            if (arg == "--version")
                return answer(CommandLine::Action::Version);
            return answer(CommandLine::Action::Misuse, "unknown option '" + arg + "'");
        }
        if (!takesFile || result.file)
            return answer(CommandLine::Action::Misuse, "unexpected argument '" + arg + "'");
        result.file = arg;
    }
    return result;
}

CommandLine parseCommandLine(int argc, const char* const* argv, bool takesFile)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return parseCommandLine(args, takesFile);
}

std::string usageText(const ProgramInfo& program)
{
    std::string text = "Usage: ";
    text += program.command;
    text += " [OPTION]...";
    if (!program.file.empty()) {
        text += " [";
        text += program.file;
        text += ']';
    }
    text += '\n';
    text += program.summary;
    text += "\n\nOptions:\n"
            "  -h, --help     print this help and exit\n"
            "      --version  print the version and exit\n";
    return text;
}

std::string versionText(const ProgramInfo& program)
{
    std::string text(program.name);
    text += ' ';
    text += program.version;
    text += "\nCopyright (C) The Skin Kit authors.\n"
            "Free software under the MIT licence; there is NO WARRANTY.\n";
    return text;
}

std::optional<int> answerCommandLine(const CommandLine& commandLine, const ProgramInfo& program, std::FILE* out,
                                     std::FILE* err)
{
    const auto write = [](std::FILE* stream, const std::string& text) {
        return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
    };
    switch (commandLine.action) {
    case CommandLine::Action::Run:
        return std::nullopt;
    case CommandLine::Action::Help:
        return write(out, usageText(program)) ? 0 : 1;
    case CommandLine::Action::Version:
        return write(out, versionText(program)) ? 0 : 1;
    case CommandLine::Action::Misuse:
        write(err, std::string(program.command) + ": " + commandLine.error + '\n' + usageText(program));
        return 2;
    }
    return 2;
}

std::optional<std::string> missingDisplay(const char* platform, const char* display, const char* waylandDisplay)
{
    const auto set = [](const char* value) { return value != nullptr && *value != '\0'; };
    const std::string_view platforms = set(platform) ? platform : "";
    if (platforms.empty()) {
        if (set(display) || set(waylandDisplay))
            return std::nullopt;
    } else {
        // QT_QPA_PLATFORM may name several platforms, tried in order.
        for (size_t start = 0; start <= platforms.size();) {
            const size_t end = std::min(platforms.find(';', start), platforms.size());
            const std::string_view entry = platforms.substr(start, end - start);
            const std::string_view name = entry.substr(0, entry.find(':')); // options follow a colon
            if (name == "xcb" ? set(display) : name.starts_with("wayland") ? set(waylandDisplay) : !name.empty())
                return std::nullopt;
            start = end + 1;
        }
    }
    return std::string("no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set);\n"
                       "start it in a desktop session, or under xvfb-run");
}

} // namespace kit
