#include "meter_plugin/host/host_options.h"

#include <charconv>

namespace dovrik::host {
namespace {

bool toInt(const std::string& text, int& value, int base = 10)
{
    const char* end = text.data() + text.size();
    const auto [rest, failure] = std::from_chars(text.data(), end, value, base);
    return failure == std::errc() && rest == end;
}

bool toSize(const std::string& text, int& width, int& height)
{
    const auto x = text.find('x');
    return x != std::string::npos && toInt(text.substr(0, x), width) && toInt(text.substr(x + 1), height)
        && width >= 0 && height >= 0;
}

// "show", "slide:ID:N", "nudge:ID", "type:ID:TEXT", "click:ID", "minimize", "close".
bool toNeedleStep(const std::string& action, ScriptStep& step)
{
    auto field = [&](std::size_t index) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < index; ++i) {
            start = action.find(':', start);
            if (start == std::string::npos)
                return std::string();
            ++start;
        }
        return action.substr(start, action.find(':', start) - start);
    };
    const std::string kind = field(0);
    if (kind == "show" || kind == "minimize" || kind == "close") {
        step.kind = kind == "show" ? ScriptStep::NeedleShow
                  : kind == "minimize" ? ScriptStep::NeedleMinimize : ScriptStep::NeedleClose;
        return action == kind;
    }
    if (!toInt(field(1), step.id))
        return false;
    if (kind == "slide") {
        step.kind = ScriptStep::NeedleSlide;
        return toInt(field(2), step.number);
    }
    if (kind == "type") {
        step.kind = ScriptStep::NeedleType;
        step.text = action.substr(action.find(':', kind.size() + 1) + 1);
        return action.find(':', kind.size() + 1) != std::string::npos;
    }
    step.kind = kind == "nudge" ? ScriptStep::NeedleNudge : ScriptStep::NeedleClick;
    return (kind == "nudge" || kind == "click") && action == kind + ":" + field(1);
}

} // namespace

const char* const kHostUsage =
    "usage: dovrik_host [--dll PATH] [--size WxH] [--signal demo|silence|loud|sum:N|wav:PATH]\n"
    "                   [--frames N [--then-ticks K] [--dump BMP] [--resize-at F WxH]\n"
    "                    [--config-at F [--choose ID] [--cancel]] [--key-at F VK]\n"
    "                    [--init-twice] [--render-elsewhere] [--refuse-threads N]\n"
    "                    [--refuse-window] [--loads N]\n"
    "                    [--menu ID|dismiss] [--needle ACTION] [--show-settings] ...]\n"
    "       dovrik_host [--dll PATH] [--signal ...] --benchmark N\n"
    "needle actions: show, slide:ID:N, nudge:ID, type:ID:TEXT, click:ID, minimize, close\n";

std::optional<HostOptions> parseHostOptions(const std::vector<std::string>& args, std::string& error)
{
    HostOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        auto value = [&](std::size_t ahead = 1) -> const std::string* {
            return i + ahead < args.size() ? &args[i + ahead] : nullptr;
        };
        const std::string* first = value();
        bool understood = true;
        if (name == "--init-twice") {
            options.initTwice = true;
        } else if (name == "--render-elsewhere") {
            options.renderElsewhere = true;
        } else if (name == "--cancel") {
            options.cancelDialogs = true;
        } else if (name == "--refuse-window") {
            options.refuseWindow = true;
        } else if (name == "--show-settings") {
            ScriptStep step;
            step.kind = ScriptStep::ShowSettings;
            options.script.push_back(step);
        } else if (name == "--menu" && first) {
            ScriptStep step;
            if (*first == "dismiss")
                step.kind = ScriptStep::DismissMenu;
            else
                understood = toInt(*first, step.id);
            options.script.push_back(step);
            ++i;
        } else if (name == "--needle" && first) {
            ScriptStep step;
            understood = toNeedleStep(*first, step);
            options.script.push_back(step);
            ++i;
        } else if (!first) {
            understood = false;
        } else if (name == "--dll") {
            options.dllPath = *first;
            ++i;
        } else if (name == "--size") {
            understood = toSize(*first, options.clientWidth, options.clientHeight);
            ++i;
        } else if (name == "--signal") {
            const std::string& kind = *first;
            if (kind == "demo") {
                options.signal = SignalKind::Demo;
            } else if (kind == "silence") {
                options.signal = SignalKind::Silence;
            } else if (kind == "loud") {
                options.signal = SignalKind::Loud;
            } else if (kind.starts_with("sum:")) {
                options.signal = SignalKind::Sum;
                understood = toInt(kind.substr(4), options.sum);
            } else if (kind.starts_with("wav:")) {
                options.signal = SignalKind::Wav;
                options.wavPath = kind.substr(4);
            } else {
                understood = false;
            }
            ++i;
        } else if (name == "--frames" || name == "--then-ticks" || name == "--config-at" || name == "--choose"
                   || name == "--refuse-threads" || name == "--loads" || name == "--benchmark") {
            int number = 0;
            understood = toInt(*first, number) && number >= 0;
            if (name == "--frames")
                options.frames = number;
            else if (name == "--then-ticks")
                options.thenTicks = number;
            else if (name == "--config-at")
                options.configAt = number;
            else if (name == "--choose")
                options.chooseFace = number;
            else if (name == "--refuse-threads")
                options.refusedThreads = number;
            else if (name == "--loads")
                understood = understood && (options.loads = number) > 0;
            else
                understood = understood && (options.benchmarkFrames = number) > 0;
            ++i;
        } else if (name == "--dump") {
            options.dumpPath = *first;
            ++i;
        } else if ((name == "--resize-at" || name == "--key-at") && value(2)) {
            FrameAction action;
            understood = toInt(*first, action.frame);
            if (name == "--resize-at") {
                understood = understood && toSize(*value(2), action.width, action.height);
                options.resize = action;
            } else {
                understood = understood && toInt(*value(2), action.width, 16);
                options.keyAt = action;
            }
            i += 2;
        } else {
            understood = false;
        }
        if (!understood) {
            error = "cannot use the argument " + name;
            return std::nullopt;
        }
    }
    const bool testOnly = options.thenTicks || !options.dumpPath.empty() || options.resize || options.configAt
        || options.keyAt || options.initTwice || options.renderElsewhere || !options.script.empty()
        || options.refusedThreads || options.refuseWindow || options.loads != 1;
    if (testOnly && !options.frames) {
        error = "those options belong to a test run: give --frames too";
        return std::nullopt;
    }
    if (options.benchmarkFrames && options.frames) {
        error = "--benchmark is a run of its own: leave out --frames";
        return std::nullopt;
    }
    return options;
}

} // namespace dovrik::host
