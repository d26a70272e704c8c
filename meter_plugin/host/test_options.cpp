#include "meter_plugin/host/test_options.h"

#include <utility>

namespace dovrik::host {
namespace {

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
    if (!parseNumber(field(1), step.id))
        return false;
    if (kind == "slide") {
        step.kind = ScriptStep::NeedleSlide;
        return parseNumber(field(2), step.number);
    }
    if (kind == "type") {
        step.kind = ScriptStep::NeedleType;
        step.text = action.substr(action.find(':', kind.size() + 1) + 1);
        return action.find(':', kind.size() + 1) != std::string::npos;
    }
    step.kind = kind == "nudge" ? ScriptStep::NeedleNudge : ScriptStep::NeedleClick;
    return (kind == "nudge" || kind == "click") && action == kind + ":" + field(1);
}

// FROM TO STEP: full scales from FROM up to TO, STEP apart.
bool toNeedleSweep(const std::vector<std::string>& rest, ScriptStep& step)
{
    step.kind = ScriptStep::NeedleSweep;
    return rest.size() >= 3 && parseNumber(rest[0], step.id) && parseNumber(rest[1], step.number)
        && parseNumber(rest[2], step.step) && step.id > 0 && step.id <= step.number && step.step > 0;
}

int takeTestOption(const std::string& name, const std::vector<std::string>& rest, TestOptions& options)
{
    const std::pair<const char*, bool TestOptions::*> switches[] = {
        {"--init-twice", &TestOptions::initTwice},   {"--render-elsewhere", &TestOptions::renderElsewhere},
        {"--cancel", &TestOptions::cancelDialogs},   {"--refuse-window", &TestOptions::refuseWindow},
        {"--refuse-saves", &TestOptions::refuseSaves}, {"--count-copies", &TestOptions::countCopies},
        {"--burst", &TestOptions::burst},
    };
    for (const auto& [switchName, member] : switches) {
        if (name == switchName) {
            options.*member = true;
            return 0;
        }
    }
    ScriptStep step;
    if (name == "--show-settings" || name == "--configure") {
        step.kind = name == "--show-settings" ? ScriptStep::ShowSettings : ScriptStep::Configure;
        options.script.push_back(step);
        return 0;
    }
    if (name == "--needle-sweep") {
        options.script.push_back(step);
        return toNeedleSweep(rest, options.script.back()) ? 3 : -1;
    }
    if (rest.empty())
        return -1;
    if (name == "--menu") {
        if (rest[0] == "dismiss")
            step.kind = ScriptStep::DismissMenu;
        else if (!parseNumber(rest[0], step.id))
            return -1;
        options.script.push_back(step);
        return 1;
    }
    if (name == "--needle" || name == "--resize") {
        step.kind = ScriptStep::Resize;
        const bool understood =
            name == "--needle" ? toNeedleStep(rest[0], step) : parseSize(rest[0], step.width, step.height);
        options.script.push_back(step);
        return understood ? 1 : -1;
    }
    if (name == "--dump") {
        options.dumpPath = rest[0];
        return 1;
    }
    const std::pair<const char*, int TestOptions::*> counts[] = {
        {"--then-ticks", &TestOptions::thenTicks},      {"--choose", &TestOptions::chooseFace},
        {"--refuse-threads", &TestOptions::refusedThreads},
    };
    int number = 0;
    const bool isNumber = parseNumber(rest[0], number) && number >= 0;
    for (const auto& [countName, member] : counts) {
        if (name == countName) {
            options.*member = number;
            return isNumber ? 1 : -1;
        }
    }
    const std::pair<const char*, int TestOptions::*> positives[] = {
        {"--loads", &TestOptions::loads}, {"--benchmark", &TestOptions::benchmarkFrames}, {"--cycles", &TestOptions::cycles},
    };
    for (const auto& [countName, member] : positives) {
        if (name == countName) {
            options.*member = number;
            return isNumber && number > 0 ? 1 : -1;
        }
    }
    const std::pair<const char*, std::optional<int> TestOptions::*> frameNumbers[] = {
        {"--frames", &TestOptions::frames}, {"--config-at", &TestOptions::configAt},
        {"--deface-at", &TestOptions::defaceAt},
    };
    for (const auto& [frameName, member] : frameNumbers) {
        if (name == frameName) {
            options.*member = number;
            return isNumber ? 1 : -1;
        }
    }
    if ((name == "--resize-at" || name == "--key-at") && rest.size() >= 2) {
        FrameAction action;
        bool understood = parseNumber(rest[0], action.frame);
        if (name == "--resize-at") {
            understood = understood && parseSize(rest[1], action.width, action.height);
            options.resize = action;
        } else {
            understood = understood && parseNumber(rest[1], action.width, 16);
            options.keyAt = action;
        }
        return understood ? 2 : -1;
    }
    return takeHostOption(name, rest, options);
}

} // namespace

const char* const kTestUsage =
    "usage: dovrik_test_host [--dll PATH] [--size WxH] [--signal demo|silence|loud|sum:N|wav:PATH]\n"
    "                        --frames N [--then-ticks K] [--dump BMP] [--resize-at F WxH]\n"
    "                        [--config-at F [--choose ID] [--cancel]] [--key-at F VK] [--deface-at F]\n"
    "                        [--init-twice] [--render-elsewhere] [--refuse-threads N]\n"
    "                        [--refuse-window] [--refuse-saves] [--count-copies] [--burst]\n"
    "                        [--loads N]\n"
    "                        [--menu ID|dismiss] [--needle ACTION] [--needle-sweep FROM TO STEP]\n"
    "                        [--show-settings] [--configure] [--resize WxH] ...\n"
    "       dovrik_test_host [--dll PATH] [--size WxH] --benchmark N\n"
    "       dovrik_test_host [--dll PATH] --cycles N\n"
    "needle actions: show, slide:ID:N, nudge:ID, type:ID:TEXT, click:ID, minimize, close\n";

std::optional<TestOptions> parseTestOptions(const std::vector<std::string>& args, std::string& error)
{
    TestOptions options;
    if (!takeArguments(args, error, [&](const std::string& name, const std::vector<std::string>& rest) {
            return takeTestOption(name, rest, options);
        }))
        return std::nullopt;
    const int runs = options.frames.has_value() + (options.benchmarkFrames > 0) + (options.cycles > 0);
    if (runs != 1) {
        error = "give one of --frames, --benchmark and --cycles";
        return std::nullopt;
    }
    const bool testRunOnly = options.thenTicks || !options.dumpPath.empty() || options.resize || options.configAt
        || options.keyAt || options.defaceAt || options.initTwice || options.renderElsewhere || !options.script.empty()
        || options.refusedThreads || options.refuseWindow || options.refuseSaves || options.countCopies || options.burst
        || options.loads != 1;
    if (testRunOnly && !options.frames) {
        error = "those options belong to a test run: give --frames instead";
        return std::nullopt;
    }
    return options;
}

} // namespace dovrik::host
