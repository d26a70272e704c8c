#pragma once

#include <optional>
#include <string>
#include <vector>

// Command line of the host stand-in. Without --frames it plays until its window
// is closed; with it, it is a test run: it renders that many frames, runs its
// script, reports what it sees on standard output, answers every dialog box and
// ends. --benchmark is a run of its own that reports timings.
namespace dovrik::host {

enum class SignalKind { Demo, Wav, Silence, Sum, Loud };

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
        ShowSettings,   // --show-settings: report the plug-in's settings file
    };
    Kind kind = Menu;
    int id = 0;     // command or control
    int number = 0; // slider position
    std::string text;
};

struct HostOptions {
    std::string dllPath;               // --dll PATH (default: vis_Dovrik.dll beside the host)
    int clientWidth = 275;             // --size WxH
    int clientHeight = 116;
    SignalKind signal = SignalKind::Demo; // --signal demo|silence|loud|sum:N|wav:PATH
    int sum = 0;
    std::string wavPath;
    std::optional<int> frames;         // --frames N
    int thenTicks = 0;                 // --then-ticks K: meter timer ticks to wait after the frames
    std::string dumpPath;              // --dump PATH: the meter's pixels as a BMP at the end
    std::optional<FrameAction> resize; // --resize-at F WxH
    std::optional<int> configAt;       // --config-at F: Config on the window's thread
    int chooseFace = 0;                // --choose ID: radio button to click before OK
    bool cancelDialogs = false;        // --cancel: close dialogs with Cancel instead of OK
    std::optional<FrameAction> keyAt;  // --key-at F VK: a key press sent to the meter (width holds VK)
    bool initTwice = false;            // --init-twice
    bool renderElsewhere = false;      // --render-elsewhere: Render from a thread of its own
    std::vector<ScriptStep> script;    // --menu, --needle and --show-settings, in the order given
    int refusedThreads = 0;            // --refuse-threads N: the plug-in's first N thread starts fail
    bool refuseWindow = false;         // --refuse-window: the first start cannot create the meter window
    int loads = 1;                     // --loads N: load, start, run, end and unload the plug-in N times
    int benchmarkFrames = 0;           // --benchmark N: time N frames of Render, paint and a bare copy, then end
};

// Parses the arguments after the program name. Returns nothing and sets `error`
// for arguments it cannot use.
std::optional<HostOptions> parseHostOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kHostUsage;

} // namespace dovrik::host
