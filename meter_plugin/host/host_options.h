#pragma once

#include <optional>
#include <string>
#include <vector>

// Command line of the host stand-in. Without --frames it plays until its window
// is closed; with it, it is a test run: it renders that many frames, reports
// what it sees on standard output, answers every dialog box and ends.
namespace dovrik::host {

enum class SignalKind { Demo, Wav, Silence, Sum, Loud };

struct FrameAction {
    int frame = 0; // after this many Render calls
    int width = 0;
    int height = 0;
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
};

// Parses the arguments after the program name. Returns nothing and sets `error`
// for arguments it cannot use.
std::optional<HostOptions> parseHostOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kHostUsage;

} // namespace dovrik::host
