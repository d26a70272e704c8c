#pragma once

#include "meter_plugin/host/host_options.h"
#include "meter_plugin/host/frequency_feed.h"
#include "meter_plugin/win32/scoped_win.h"
#include "meter_plugin/win32/vis_interface.h"

#include <windows.h>

#include <atomic>
#include <string>

// What any stand-in for the player does for a visualization plug-in: a main
// window of the asked client size, a visualization thread of its own on which
// the plug-in is loaded, started, fed spectrum data every delayMs, ended and
// unloaded, and the plug-in's Config on the window's thread. The demo host and
// the test host build on it.
namespace dovrik::host {

inline constexpr char kMeterClassName[] = "Dovrik";

// Gives `window` a client area of width x height.
void setClientSize(HWND window, int width, int height);

// "vis_Dovrik.dll" beside the running program, where the build puts both.
std::string pluginBesideThisProgram();

// A plug-in library, loaded for as long as this lives or until unload().
class PluginLibrary : NonCopyable {
public:
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary() { unload(); }

    HMODULE handle() const { return library_; }
    DWORD loadError() const { return loadError_; }
    // Null when the library could not be loaded or is no visualization plug-in.
    VisHeader* header() const { return header_; }
    VisModule* module() const { return header_ ? header_->getModule(0) : nullptr; }

    // Fills the module's host fields: the parent window, the library, the sound's format.
    void attach(VisModule& module, HWND parent) const;

    // Unloads the library now; false when FreeLibrary fails or it was not loaded.
    bool unload();

private:
    HMODULE library_ = nullptr;
    DWORD loadError_ = 0;
    VisHeader* header_ = nullptr;
};

// How the frames of PluginHost::playFrames() go. By default Render is called
// every delayMs for as long as the plug-in runs.
class FramePacing {
public:
    virtual ~FramePacing() = default;
    // The time between two frames.
    virtual DWORD frameDelayMs(const VisModule& module) { return module.delayMs > 1 ? module.delayMs : 1; }
    // Whether another frame follows the `frames` already rendered.
    virtual bool wantsFrame(int /*frames*/) { return true; }
    virtual void render(VisModule& module) { module.Render(&module); }
    virtual void afterFrame(int /*frames*/) {}
    // Told of each message the visualization thread has dispatched.
    virtual void dispatched(const MSG& /*message*/, int /*frames*/) {}
    // Asked once no frame is wanted: true ends the play.
    virtual bool finished() { return false; }
};

class PluginHost {
public:
    PluginHost(const HostOptions& options, const char* title);
    virtual ~PluginHost() = default;
    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;

    // Shows the window and runs visualize() on a thread of its own, and the
    // window's messages until the window is gone after it. Returns visualize()'s
    // result.
    int run();

protected:
    HWND window() const { return window_; }

    // The visualization thread's work; the window closes once it has returned.
    virtual int visualize() = 0;

    // A message of the window that the host handles itself, true when it did.
    virtual bool handleMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return false; }

    // Makes `module` the one that Config reaches, or none. Waits for a Config in
    // progress, handling meanwhile what that Config sends to this thread's windows.
    void setRunningModule(VisModule* module);

    // Runs the running module's Config on the calling thread, if a module runs.
    // The module cannot end while Config runs.
    void configure();

    // Calls Render as `pacing` says, with the feed's spectra, and handles the
    // calling thread's messages, until its quit message (the meter window's end
    // posts it), a close of the window or the end of the pacing.
    void playFrames(VisModule& module, FrequencyFeed& feed, FramePacing& pacing);

    // Wakes playFrames() to ask the pacing again.
    void wake() { SetEvent(wake_.get()); }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static DWORD WINAPI visualizationThread(void* host);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();

    const HostOptions& options_;
    const char* title_;
    HWND window_ = nullptr;
    std::atomic<bool> visRunning_{false};
    std::atomic<bool> closeRequested_{false};
    std::atomic<int> exitCode_{0};
    VisModule* module_ = nullptr; // guarded by moduleLock_
    SRWLOCK moduleLock_ = SRWLOCK_INIT;
    KernelHandle wake_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
};

} // namespace dovrik::host
