#pragma once

#include <ostream>
#include <string>
#include <vector>

// skincheck's command line: `skincheck [OPTION]... SKIN...`, with the exit
// statuses of linters (see exitStatus) and 64, the usual status for a command
// line that makes no sense.
namespace skincheck {

inline constexpr int kUsageStatus = 64;

struct Options
{
    enum class Action { Check, Help, Version, Misuse };
    Action action = Action::Check;
    bool json = false;
    bool quiet = false;
    std::vector<std::string> skins;
    std::string error; // for Misuse, without the program's name
};

// Options may stand anywhere; "--" ends them. The first of --help, --version or
// a misuse decides.
Options parseOptions(const std::vector<std::string>& args);

// Runs the checker over the arguments after the program's name and returns
// the status to end with. A failed write to `out` ends it with 1 at least.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace skincheck
