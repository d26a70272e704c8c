#pragma once

#include "meter_plugin/host/host_options.h"

#include <optional>
#include <string>
#include <vector>

// The test host's command line. It does one of three runs: a test run
// (--frames), which renders that many frames, runs its script, reports what it
// sees on standard output, answers every dialog box and ends; a benchmark
// (--benchmark), which reports timings; or load cycles (--cycles), which report
// what the process holds before and after loading and unloading the plug-in
// many times.
namespace dovrik::host {

struct FrameAction {
    int frame = 0; // after this many Render calls
    int width = 0;
    int height = 0;
};

// One step of a test run's script, run in order once the meter is up.
struct ScriptStep {
    enum Kind {
        Menu,           // --menu ID: right-click the meter and choose the command ID
        DismissMenu,    // --menu dismiss: right-click the meter and close the menu with Escape
        NeedleShow,     // --needle show: report the needle dialog's place, texts and values
        NeedleSlide,    // --needle slide:ID:N: drag slider ID's thumb to N
        NeedleNudge,    // --needle nudge:ID: move slider ID by its keys, not by the thumb
        NeedleType,     // --needle type:ID:TEXT: put TEXT into box ID in one change, as a paste does
        NeedleClick,    // --needle click:ID: click button ID
        NeedleMinimize, // --needle minimize
        NeedleClose,    // --needle close: the close box
        NeedleSweep,    // --needle-sweep FROM TO STEP: open and close the needle dialog untouched on
                        // the states that ranging leaves at full scales FROM, FROM + STEP, ... up to TO
        ShowSettings,   // --show-settings: report the plug-in's settings file
        Configure,      // --configure: Config on the window's thread, waiting for it to end
        Resize,         // --resize WxH: the host window's client size, waiting for the meter to follow
    };
    Kind kind = Menu;
    int id = 0;     // command or control; the first full scale of a sweep
    int number = 0; // slider position; the last full scale of a sweep
    int step = 0;   // between the full scales of a sweep
    int width = 0;
    int height = 0;
    std::string text;
};

struct TestOptions : HostOptions {
    std::optional<int> frames;         // --frames N: a test run
    int benchmarkFrames = 0;           // --benchmark N: time N frames of each kind, then end
    int cycles = 0;                    // --cycles N: load, start, end and unload the plug-in N times
    int thenTicks = 0;                 // --then-ticks K: meter timer ticks to wait after the frames
    std::string dumpPath;              // --dump PATH: the meter's pixels as a BMP at the end
    std::optional<FrameAction> resize; // --resize-at F WxH
    std::optional<int> configAt;       // --config-at F: Config on the window's thread
    int chooseFace = 0;                // --choose ID: radio button to click before OK
    bool cancelDialogs = false;        // --cancel: close dialogs with Cancel instead of OK
    std::optional<FrameAction> keyAt;  // --key-at F VK: a key press sent to the meter (width holds VK)
    std::optional<int> defaceAt;       // --deface-at F: the host paints over the meter, telling it nothing
    bool initTwice = false;            // --init-twice
    bool renderElsewhere = false;      // --render-elsewhere: Render from a thread of its own
    std::vector<ScriptStep> script;    // --menu, --needle, --needle-sweep, --show-settings, --configure and
                                       // --resize, in order
    int refusedThreads = 0;            // --refuse-threads N: the plug-in's first N thread starts fail
    bool refuseWindow = false;         // --refuse-window: the first start cannot create the meter window
    bool refuseSaves = false;          // --refuse-saves: the plug-in cannot write its settings file
    bool countCopies = false;          // --count-copies: report how often the plug-in copied to a window
    bool burst = false;                // --burst: the frames back to back, before any timer tick
    int loads = 1;                     // --loads N: load, start, run, end and unload the plug-in N times
};

// The arguments after the program name; nothing, and `error` set, for arguments
// it cannot use.
std::optional<TestOptions> parseTestOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kTestUsage;

} // namespace dovrik::host
