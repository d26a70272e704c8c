// The test host: the stand-in for the player that the Wine tests drive. It runs
// the plug-in as the demo host does and adds the apparatus a test needs.
//
// A test run (--frames N) reports on standard output what a test needs to see:
// the records the plug-in hands out, its start result, the meter window's place,
// the pixels of the meter, every dialog box (which it answers), what its script
// of menu commands, needle dialog actions and sweeps, Config calls and resizes
// shows, and whether the library leaves a thread, a window or its class behind
// once it is unloaded. The plug-in's requests to the shell are reported instead
// of carried out, its thread starts, settings writes and meter window can be
// made to fail, its copies to its window counted, and its window painted over
// behind its back.
//
// Load cycles (--cycles N) load, start, feed, end and unload the plug-in N times
// and report the process's open handles and committed private memory before and
// after. A benchmark (--benchmark N) times Render against the drawing it does.
#include "meter_plugin/host/dialog_answering.h"
#include "meter_plugin/host/host_report.h"
#include "meter_plugin/host/meter_observation.h"
#include "meter_plugin/host/platform_stand_ins.h"
#include "meter_plugin/host/plugin_host.h"
#include "meter_plugin/host/process_resources.h"
#include "meter_plugin/host/render_benchmark.h"
#include "meter_plugin/host/frequency_feed.h"
#include "meter_plugin/host/test_options.h"
#include "meter_plugin/host/test_script.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace dovrik;
using namespace dovrik::host;

constexpr char kTitle[] = "vis_Dovrik test host";
constexpr UINT kConfigRequest = WM_APP + 1;
constexpr char kSecondHostClassName[] = "DovrikSecondHost";
constexpr DWORD kTestRunLimitMs = 20000;
// What a needle sweep adds to the limit for each state it opens and closes the
// dialog on: more than twice what one took on a machine busy with other builds.
constexpr DWORD kSweptStateLimitMs = 500;
constexpr DWORD kAfterUnloadMs = 300;
constexpr int kFramesPerCycle = 2;
constexpr int kWarmUpCycles = 2;

DWORD WINAPI endHungTestRun(void* limitMs)
{
    const auto limit = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(limitMs));
    Sleep(limit);
    report("host: the test run did not end within %lu ms", limit);
    ExitProcess(3);
}

DWORD testRunLimitMs(const TestOptions& options)
{
    DWORD limit = kTestRunLimitMs;
    for (const ScriptStep& step : options.script)
        if (step.kind == ScriptStep::NeedleSweep)
            limit += static_cast<DWORD>((step.number - step.id) / step.step + 1) * kSweptStateLimitMs;
    return limit;
}

// Handles what is queued for the calling thread's windows. A quit message (the
// meter window's end posts one) is taken off the queue with the rest.
void handlePendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// Paints the window's whole client area magenta through a drawing context of
// its own, as a host drawing over its children does: the window gets no paint
// message and nothing of it is made invalid.
void paintOver(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    WindowDC dc(window);
    GdiObject magenta(CreateSolidBrush(RGB(255, 0, 255)));
    FillRect(dc.get(), &client, static_cast<HBRUSH>(magenta.get()));
}

// Calls Render on a thread of its own, one call per request.
class RenderThread {
public:
    explicit RenderThread(VisModule& module) : module_(module) { thread_.start(&RenderThread::run, this); }
    ~RenderThread()
    {
        stopping_ = true;
        SetEvent(request_.get());
        thread_.join(INFINITE);
    }
    RenderThread(const RenderThread&) = delete;
    RenderThread& operator=(const RenderThread&) = delete;

    void render()
    {
        SetEvent(request_.get());
        WaitForSingleObject(done_.get(), INFINITE);
    }

private:
    static DWORD WINAPI run(void* self)
    {
        auto* thread = static_cast<RenderThread*>(self);
        for (;;) {
            WaitForSingleObject(thread->request_.get(), INFINITE);
            if (thread->stopping_)
                return 0;
            thread->module_.Render(&thread->module_);
            SetEvent(thread->done_.get());
        }
    }

    VisModule& module_;
    KernelHandle request_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    KernelHandle done_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    std::atomic<bool> stopping_{false};
    JoinableThread thread_;
};

// A copy of the library in a folder of its own, so that it starts from its
// defaults whatever settings file lies beside the original. Removed at the end.
class PrivateCopy {
public:
    explicit PrivateCopy(const std::string& library)
    {
        wchar_t temporary[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temporary);
        folder_ = std::wstring(temporary) + L"dovrik-benchmark-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        copied_ = CopyFileW(wide(library).c_str(), (folder_ + L"\\vis_Dovrik.dll").c_str(), FALSE) != FALSE;
    }
    ~PrivateCopy()
    {
        for (const wchar_t* name : {L"\\vis_Dovrik.dll", L"\\plugin.ini"})
            DeleteFileW((folder_ + name).c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    PrivateCopy(const PrivateCopy&) = delete;
    PrivateCopy& operator=(const PrivateCopy&) = delete;

    bool copied() const { return copied_; }
    std::string library() const { return utf8(folder_ + L"\\vis_Dovrik.dll"); }

private:
    std::wstring folder_;
    bool copied_ = false;
};

class TestHost final : public PluginHost {
public:
    explicit TestHost(const TestOptions& options)
        : PluginHost(options, kTitle), options_(options),
          standIns_(options.refusedThreads, options.refuseSaves, options.countCopies)
    {
    }

private:
    // A test run's frames: a set number, then the meter's timer ticks the run
    // waits for, the script and any Config, and the report of the meter as it ends.
    class TestRunPacing final : public FramePacing {
    public:
        TestRunPacing(TestHost& host, VisModule& module, HWND meter) : host_(host), meter_(meter)
        {
            if (host.options_.renderElsewhere)
                renderThread_ = std::make_unique<RenderThread>(module);
        }

        DWORD frameDelayMs(const VisModule& module) override
        {
            return host_.options_.burst ? 0 : FramePacing::frameDelayMs(module);
        }

        bool wantsFrame(int frames) override { return frames < *host_.options_.frames; }

        void render(VisModule& module) override
        {
            if (renderThread_)
                renderThread_->render();
            else
                module.Render(&module);
        }

        void afterFrame(int frame) override
        {
            const TestOptions& options = host_.options_;
            if (options.resize && options.resize->frame == frame) {
                setClientSize(host_.window(), options.resize->width, options.resize->height);
                report("resized %dx%d", options.resize->width, options.resize->height);
            }
            if (options.configAt && *options.configAt == frame) {
                host_.configPending_ = true;
                PostMessageA(host_.window(), kConfigRequest, 0, 0);
            }
            if (options.keyAt && options.keyAt->frame == frame)
                PostMessageA(meter_, WM_KEYDOWN, static_cast<WPARAM>(options.keyAt->width), 1);
            if (options.defaceAt && *options.defaceAt == frame)
                paintOver(meter_);
        }

        void dispatched(const MSG& message, int frames) override
        {
            if (message.message == WM_TIMER && message.hwnd == meter_ && !wantsFrame(frames))
                ++ticksAfterFrames_;
            if (message.message == WM_RBUTTONUP && message.hwnd == meter_)
                SetEvent(host_.menuHandled_.get());
        }

        bool finished() override
        {
            if (host_.configPending_ || host_.scriptRunning_ || ticksAfterFrames_ < host_.options_.thenTicks)
                return false;
            reportMeterPlacement(meter_, host_.window());
            if (!host_.options_.dumpPath.empty() && IsWindow(meter_))
                dumpMeter(meter_, host_.options_.dumpPath);
            if (host_.options_.countCopies)
                report("copies %d", PlatformStandIns::copies());
            return true;
        }

    private:
        TestHost& host_;
        HWND meter_;
        std::unique_ptr<RenderThread> renderThread_;
        int ticksAfterFrames_ = 0;
    };

    int visualize() override
    {
        if (options_.cycles)
            return runLoadCycles();
        if (options_.benchmarkFrames)
            return runBenchmark();
        if (!options_.script.empty()) {
            std::wstring settingsPath = wide(options_.dllPath);
            settingsPath.resize(settingsPath.rfind(L'\\') + 1);
            scriptTarget_ = {window(), nullptr, settingsPath + L"plugin.ini", menuHandled_.get(), kConfigRequest};
            KernelHandle(CreateThread(nullptr, 0, driveScript, this, 0, nullptr));
        }
        FrequencyFeed feed(options_.signal);
        for (int load = 1; load <= options_.loads; ++load)
            if (!runTestRun(load, feed))
                return 1;
        return 0;
    }

    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_KEYDOWN:
            report("host key down 0x%02X lparam 0x%08lX", static_cast<unsigned>(wParam), static_cast<unsigned long>(lParam));
            return true;
        case kConfigRequest:
            configure();
            configPending_ = false;
            wake();
            return true;
        default:
            return false;
        }
    }

    // Runs the script once the meter is up, then stays, as the other helper
    // threads of a test run do, so that the count of threads holds still.
    static DWORD WINAPI driveScript(void* host)
    {
        auto* self = static_cast<TestHost*>(host);
        WaitForSingleObject(self->scriptStart_.get(), INFINITE);
        runScript(self->options_.script, self->scriptTarget_);
        self->scriptRunning_ = false;
        self->wake();
        Sleep(INFINITE);
        return 0;
    }

    // A hidden host window twice the size of the real one, for a second Init
    // without Quit.
    HWND createSecondHostWindow() const
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kSecondHostClassName;
        RegisterClassA(&windowClass);
        HWND second = CreateWindowExA(0, kSecondHostClassName, "second host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                      nullptr, nullptr, windowClass.hInstance, nullptr);
        setClientSize(second, options_.clientWidth * 2, options_.clientHeight * 2);
        return second;
    }

    // One load of a test run: load, start, run, end and unload. False when the
    // library cannot be used at all.
    bool runTestRun(int load, FrequencyFeed& feed)
    {
        const int threadsBefore = threadsOfThisProcess();
        PluginLibrary plugin(options_.dllPath);
        if (!plugin.handle()) {
            report("load failed: error %lu", plugin.loadError());
            return false;
        }
        VisModule* module = plugin.module();
        if (!module) {
            report("the library is no visualization plug-in");
            return false;
        }
        if (!feed.problem().empty()) {
            report("signal: %s", feed.problem().c_str());
            return false;
        }
        reportRecords(*plugin.header(), plugin.handle());
        standIns_.standIn(plugin.handle());

        plugin.attach(*module, window());
        int started = 0;
        {
            std::optional<MeterWindowRefusal> refusal;
            if (options_.refuseWindow && load == 1)
                refusal.emplace();
            started = module->Init(module);
        }
        report("init %d", started);
        HWND meter = FindWindowExA(window(), nullptr, kMeterClassName, nullptr);
        reportMeterPlacement(meter, window());
        if (options_.initTwice) {
            HWND second = createSecondHostWindow();
            module->hwndParent = second;
            report("init %d", module->Init(module));
            module->hwndParent = window();
            DestroyWindow(second);
        }
        if (started == 0) {
            setRunningModule(module);
            if (!options_.script.empty() && !scriptTarget_.meterWindow) {
                scriptTarget_.meterWindow = meter;
                scriptRunning_ = true;
                SetEvent(scriptStart_.get());
            }
            {
                TestRunPacing pacing(*this, *module, meter);
                playFrames(*module, feed, pacing);
            }
            setRunningModule(nullptr);
            module->Quit(module);
            report("quit");
        }

        WNDCLASSA meterClass{};
        report("class %s", GetClassInfoA(plugin.handle(), kMeterClassName, &meterClass) ? "registered" : "gone");
        report("window %s", FindWindowExA(window(), nullptr, kMeterClassName, nullptr) ? "left" : "gone");
        const bool freed = plugin.unload();
        report("freelibrary %s, %s", freed ? "ok" : "failed",
               GetModuleHandleW(wide(options_.dllPath).c_str()) ? "still loaded" : "unloaded");
        // Anything the library left running (a timer, a window) would now call
        // into unloaded code.
        const DWORD until = GetTickCount() + kAfterUnloadMs;
        while (static_cast<LONG>(until - GetTickCount()) > 0) {
            handlePendingMessages();
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
        report("threads before=%d after=%d", threadsBefore, threadsOfThisProcess());
        return true;
    }

    // The player's part when the user switches visualizations: load, start, a
    // few frames, end, unload.
    bool cycle(FrequencyFeed& feed)
    {
        PluginLibrary plugin(options_.dllPath);
        VisModule* module = plugin.module();
        if (!module)
            return false;
        plugin.attach(*module, window());
        if (module->Init(module) != 0)
            return false;
        for (int frame = 0; frame < kFramesPerCycle; ++frame) {
            feed.fill(*module, module->delayMs);
            module->Render(module);
        }
        handlePendingMessages();
        module->Quit(module);
        handlePendingMessages();
        return plugin.unload();
    }

    int runLoadCycles()
    {
        FrequencyFeed feed(options_.signal);
        // The first loads also set up what the process keeps for any later one
        // (Wine commits a little memory at the first and the second); the counts
        // start after them.
        for (int i = 0; i < kWarmUpCycles; ++i) {
            if (!cycle(feed)) {
                report("cycles: the plug-in did not load, start and unload");
                return 1;
            }
        }
        const int handlesBefore = openHandles();
        const std::size_t committedBefore = committedPrivateBytes();
        for (int i = 0; i < options_.cycles; ++i) {
            if (!cycle(feed)) {
                report("cycles: cycle %d failed", i + 1);
                return 1;
            }
        }
        report("cycles %d handles before=%d after=%d committed before=%zu after=%zu", options_.cycles, handlesBefore,
               openHandles(), committedBefore, committedPrivateBytes());
        return 0;
    }

    int runBenchmark()
    {
        const PrivateCopy copy(options_.dllPath);
        PluginLibrary plugin(copy.library());
        VisModule* module = plugin.module();
        if (!copy.copied() || !module) {
            report("benchmark: cannot load a copy of %s", options_.dllPath.c_str());
            return 1;
        }
        plugin.attach(*module, window());
        if (module->Init(module) != 0)
            return 1;
        runRenderBenchmark(*module, FindWindowExA(window(), nullptr, kMeterClassName, nullptr),
                           options_.benchmarkFrames);
        module->Quit(module);
        handlePendingMessages();
        return 0;
    }

    const TestOptions& options_;
    const PlatformStandIns standIns_;
    std::atomic<bool> configPending_{false};
    std::atomic<bool> scriptRunning_{false};
    KernelHandle scriptStart_{CreateEventW(nullptr, FALSE, FALSE, nullptr)}; // the meter is up
    KernelHandle menuHandled_{CreateEventW(nullptr, FALSE, FALSE, nullptr)}; // the meter has handled a right click
    ScriptTarget scriptTarget_;
};

} // namespace

int main(int argc, char** argv)
{
    std::string problem;
    auto options = parseTestOptions(std::vector<std::string>(argv + 1, argv + argc), problem);
    if (!options) {
        std::fprintf(stderr, "dovrik_test_host: %s\n%s", problem.c_str(), kTestUsage);
        return 2;
    }
    if (options->dllPath.empty())
        options->dllPath = pluginBesideThisProgram();
    if (options->frames)
        KernelHandle(CreateThread(nullptr, 0, endHungTestRun,
                                  reinterpret_cast<void*>(static_cast<UINT_PTR>(testRunLimitMs(*options))), 0, nullptr));
    // A plug-in that cannot start says so in a message box, which would
    // otherwise wait for a user in any kind of run.
    answerDialogs({options->chooseFace, options->cancelDialogs});
    TestHost host(*options);
    return host.run();
}
