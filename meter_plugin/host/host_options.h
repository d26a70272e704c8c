#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// What both hosts take on their command lines, and the demo host's whole
// command line: it plays the plug-in until its window is closed. The test
// host's runs and script have a command line of their own (test_options.h),
// built on the parsing here.
namespace dovrik::host {

enum class SignalKind { Demo, Wav, Silence, Sum, Loud };

// What the host feeds the plug-in: --signal demo|silence|loud|sum:N|wav:PATH.
struct Signal {
    SignalKind kind = SignalKind::Demo;
    int sum = 0;
    std::string wavPath;
};

// What both hosts take.
struct HostOptions {
    std::string dllPath;   // --dll PATH (default: vis_Dovrik.dll beside the host)
    int clientWidth = 275; // --size WxH
    int clientHeight = 116;
    Signal signal;
};

// A whole number in `base`, nothing before or after it.
bool parseNumber(const std::string& text, int& value, int base = 10);

// "WxH", both whole and not negative.
bool parseSize(const std::string& text, int& width, int& height);

// Takes one argument `name`, with the arguments after it in `rest`; returns how
// many of those it used, or -1 when it cannot use the name.
using ArgumentTaker = std::function<int(const std::string& name, const std::vector<std::string>& rest)>;

// Hands every argument to `take`; false, with `error` set, at the first one it
// cannot use.
bool takeArguments(const std::vector<std::string>& args, std::string& error, const ArgumentTaker& take);

// An argument that both hosts take: --dll, --size or --signal.
int takeHostOption(const std::string& name, const std::vector<std::string>& rest, HostOptions& options);

// The arguments after the program name; nothing, and `error` set, for arguments
// it cannot use.
std::optional<HostOptions> parseDemoOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kDemoUsage;

} // namespace dovrik::host
