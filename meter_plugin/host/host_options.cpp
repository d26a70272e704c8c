#include "meter_plugin/host/host_options.h"

#include <charconv>

namespace dovrik::host {
namespace {

bool toSignal(const std::string& kind, Signal& signal)
{
    if (kind == "demo") {
        signal.kind = SignalKind::Demo;
    } else if (kind == "silence") {
        signal.kind = SignalKind::Silence;
    } else if (kind == "loud") {
        signal.kind = SignalKind::Loud;
    } else if (kind.starts_with("sum:")) {
        signal.kind = SignalKind::Sum;
        return parseNumber(kind.substr(4), signal.sum);
    } else if (kind.starts_with("wav:")) {
        signal.kind = SignalKind::Wav;
        signal.wavPath = kind.substr(4);
    } else {
        return false;
    }
    return true;
}

} // namespace

bool parseNumber(const std::string& text, int& value, int base)
{
    const char* end = text.data() + text.size();
    const auto [rest, failure] = std::from_chars(text.data(), end, value, base);
    return failure == std::errc() && rest == end;
}

bool parseSize(const std::string& text, int& width, int& height)
{
    const auto x = text.find('x');
    return x != std::string::npos && parseNumber(text.substr(0, x), width) && parseNumber(text.substr(x + 1), height)
        && width >= 0 && height >= 0;
}

bool takeArguments(const std::vector<std::string>& args, std::string& error, const ArgumentTaker& take)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
        const int used = take(args[i], rest);
        if (used < 0) {
            error = "cannot use the argument " + args[i];
            return false;
        }
        i += static_cast<std::size_t>(used);
    }
    return true;
}

int takeHostOption(const std::string& name, const std::vector<std::string>& rest, HostOptions& options)
{
    if (rest.empty())
        return -1;
    if (name == "--dll") {
        options.dllPath = rest[0];
        return 1;
    }
    if (name == "--size")
        return parseSize(rest[0], options.clientWidth, options.clientHeight) ? 1 : -1;
    if (name == "--signal")
        return toSignal(rest[0], options.signal) ? 1 : -1;
    return -1;
}

const char* const kDemoUsage =
    "usage: dovrik_host [--dll PATH] [--size WxH] [--signal demo|silence|loud|sum:N|wav:PATH]\n";

std::optional<HostOptions> parseDemoOptions(const std::vector<std::string>& args, std::string& error)
{
    HostOptions options;
    if (!takeArguments(args, error, [&](const std::string& name, const std::vector<std::string>& rest) {
            return takeHostOption(name, rest, options);
        }))
        return std::nullopt;
    return options;
}

} // namespace dovrik::host
