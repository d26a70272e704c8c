#include "skin_checker/core/commandline.h"

#include "skin_checker/core/output.h"
#include "skin_checker/core/skincheck.h"
#include "skin_checker/identity.h"

#include <algorithm>

namespace skincheck {
namespace {

constexpr std::string_view kUsage =
    "Usage: skincheck [OPTION]... SKIN...\n"
    "Tells what the player will make of each SKIN, a skin folder or a .wsz or .zip\n"
    "archive: one line per finding, SKIN: FILE: LEVEL: reason, where LEVEL is\n"
    "error, warning or note.\n"
    "\n"
    "Options:\n"
    "      --json     print one JSON object per skin instead\n"
    "  -q, --quiet    print only errors\n"
    "  -h, --help     print this help and exit\n"
    "      --version  print the version and exit\n"
    "\n"
    "Exit status: 0 for nothing worse than notes, 1 for warnings, 2 for errors,\n"
    "3 when a skin could not be read at all, 64 for a wrong command line.\n";

Options misuse(std::string error)
{
    Options options;
    options.action = Options::Action::Misuse;
    options.error = std::move(error);
    return options;
}

} // namespace

Options parseOptions(const std::vector<std::string>& args)
{
    Options options;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            options.skins.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            options.action = Options::Action::Help;
            return options;
        } else if (arg == "--version") {
            options.action = Options::Action::Version;
            return options;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "-q" || arg == "--quiet") {
            options.quiet = true;
        } else {
            return misuse("unknown option '" + arg + "'");
        }
    }
    if (options.skins.empty())
        return misuse("no skin to check");
    return options;
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const Options options = parseOptions(args);
    switch (options.action) {
    case Options::Action::Help:
        out << kUsage << std::flush;
        return out ? 0 : 1;
    case Options::Action::Version:
        out << identity::kName << ' ' << identity::kVersionText
            << "\nCopyright (C) The Skin Kit authors.\n"
               "Free software under the MIT licence; there is NO WARRANTY.\n"
            << std::flush;
        return out ? 0 : 1;
    case Options::Action::Misuse:
        err << "skincheck: " << options.error << '\n' << kUsage << std::flush;
        return kUsageStatus;
    case Options::Action::Check: break;
    }

    int status = 0;
    for (const std::string& skin : options.skins) {
        const SkinReport report = checkSkinAt(skin, skin);
        out << (options.json ? jsonReport(report, options.quiet) : textReport(report, options.quiet)) << std::flush;
        // 3 for an unreadable skin outranks 2, 1 and 0, so the worst is the largest.
        status = std::max(status, exitStatus({report}));
    }
    return out ? status : std::max(status, 1);
}

} // namespace skincheck
