// A stand-in for the player that loads visualization plug-ins: a main window of
// 275 x 116 client pixels (or any size asked for), a visualization thread that
// loads the plug-in, starts its module, feeds it spectrum data every delayMs and
// shuts it down again, and the plug-in's Config on the window's thread.
//
// A test run (--frames N) also reports on standard output what a test needs to
// see: the records the plug-in hands out, its start result, the meter window's
// place, the pixels of the meter, every dialog box (which it answers), what its
// script of menu commands and needle dialog actions shows, and whether the
// library leaves anything behind once it is unloaded. In a test run the
// plug-in's requests to the shell are reported instead of carried out.
#include "common/portable/bmp.h"
#include "meter_plugin/host/host_options.h"
#include "meter_plugin/host/host_report.h"
#include "meter_plugin/host/import_patch.h"
#include "meter_plugin/host/render_benchmark.h"
#include "meter_plugin/host/sound_analysis.h"
#include "meter_plugin/host/test_script.h"
#include "meter_plugin/win32/scoped_win.h"
#include "meter_plugin/win32/vis_interface.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace dovrik;
using namespace dovrik::host;

constexpr UINT kConfigRequest = WM_APP + 1;
constexpr UINT kVisEnded = WM_APP + 2;
constexpr UINT kConfigureCommand = 1;
constexpr UINT kCloseCommand = 2;
constexpr char kHostClassName[] = "DovrikHostStandIn";
constexpr char kSecondHostClassName[] = "DovrikSecondHost";
constexpr char kMeterClassName[] = "Dovrik";
constexpr int kNeedleFallSliderId = 1009;
constexpr DWORD kTestRunLimitMs = 20000;
constexpr DWORD kAfterUnloadMs = 300;

struct HostState {
    HostOptions options;
    bool testRun = false;
    HWND window = nullptr;
    std::atomic<bool> visRunning{false};
    std::atomic<int> exitCode{0};
    // The running module, for Config. Config holds the lock while it runs, so the
    // visualization thread cannot end the plug-in and unload it underneath.
    VisModule* module = nullptr;
    SRWLOCK moduleLock = SRWLOCK_INIT;
    std::atomic<bool> configPending{false};
    std::atomic<bool> scriptRunning{false};
    KernelHandle wake{CreateEventW(nullptr, FALSE, FALSE, nullptr)};        // Config or the script has finished
    KernelHandle scriptStart{CreateEventW(nullptr, FALSE, FALSE, nullptr)}; // the meter is up
    KernelHandle menuHandled{CreateEventW(nullptr, FALSE, FALSE, nullptr)}; // the meter has handled a right click
    std::atomic<bool> closeRequested{false};
    std::atomic<int> threadsToRefuse{0};
    ScriptTarget scriptTarget;
};

HostState app;

int threadsOfThisProcess()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return count;
}

void setClientSize(HWND window, int width, int height)
{
    RECT rect{0, 0, width, height};
    AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- What a test run reports -------------------------------------------------

void reportRecords(const VisHeader* header, HMODULE library)
{
    report("header version=0x%x description=%s", header->version, header->description);
    const VisModule* module = header->getModule(0);
    report("module 0 description=%s latency=%d delay=%d spectrum=%d waveform=%d", module->description,
           module->latencyMs, module->delayMs, module->spectrumNch, module->waveformNch);
    report("module 1 %s", header->getModule(1) ? "present" : "null");

    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(library, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<unsigned char> version(GetFileVersionInfoSizeW(path, &ignored));
    if (version.empty() || !GetFileVersionInfoW(path, 0, static_cast<DWORD>(version.size()), version.data())) {
        report("version none");
        return;
    }
    auto value = [&](const wchar_t* name) {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040404b0\\") + name;
        wchar_t* text = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(version.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) || !text)
            return std::string("(none)");
        return utf8(text);
    };
    report("version FileVersion=%s ProductVersion=%s", value(L"FileVersion").c_str(), value(L"ProductVersion").c_str());
}

void reportMeterPlacement(HWND meter)
{
    if (!IsWindow(meter)) {
        report("meter none");
        return;
    }
    RECT rect{};
    GetWindowRect(meter, &rect);
    MapWindowPoints(nullptr, app.window, reinterpret_cast<POINT*>(&rect), 2);
    report("meter %ld %ld %ld %ld", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// Writes what the meter window shows as a 24-bit bottom-up BMP file.
void dumpMeter(HWND meter, const std::string& path)
{
    RECT client{};
    GetClientRect(meter, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) {
        report("dump empty");
        return;
    }
    UpdateWindow(meter); // let a pending repaint land first, as it would on screen
    WindowDC screen(meter);
    GdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    {
        MemoryDC memory(screen.get());
        Selection selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> pixels(static_cast<std::size_t>(width) * height);
    GetDIBits(screen.get(), static_cast<HBITMAP>(bitmap.get()), 0, static_cast<UINT>(height), pixels.data(), &info,
              DIB_RGB_COLORS);

    kit::bmp::Image image(width, height);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        image.pixels[i] = {pixels[i].rgbRed, pixels[i].rgbGreen, pixels[i].rgbBlue};
    const std::string bytes = kit::bmp::write(image);
    std::ofstream out(wide(path).c_str(), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    report(out ? "dump %dx%d" : "dump failed", width, height);
}

// ---- Dialog boxes in a test run ----------------------------------------------

struct DialogContents {
    std::wstring texts;
    std::string bitmapSizes;
};

BOOL CALLBACK collectChildText(HWND child, LPARAM collected)
{
    auto& contents = *reinterpret_cast<DialogContents*>(collected);
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    // A picture's text is only the number of its resource; its size is what shows.
    const auto staticType = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)) & SS_TYPEMASK;
    const bool picture = lstrcmpiA(className, "Static") == 0 && (staticType == SS_BITMAP || staticType == SS_ICON);
    if (picture && staticType == SS_BITMAP) {
        BITMAP bitmap{};
        GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof bitmap, &bitmap);
        RECT control{};
        GetClientRect(child, &control);
        char sizes[64] = {};
        std::snprintf(sizes, sizeof sizes, "%s%ldx%ld in %ldx%ld", contents.bitmapSizes.empty() ? " " : ", ",
                      bitmap.bmWidth, bitmap.bmHeight, control.right, control.bottom);
        contents.bitmapSizes += sizes;
    }
    std::wstring text = windowText(child);
    if (text.empty() || picture)
        return TRUE;
    if (lstrcmpiA(className, "Button") == 0 && SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED)
        text = L"(*) " + text;
    std::replace(text.begin(), text.end(), L'\n', L' '); // one report line per dialog
    contents.texts += L" | " + text;
    return TRUE;
}

// Prints a dialog box's title and texts, checked buttons marked "(*)", and the
// sizes of its bitmap pictures (bitmap in control); clicks the radio button a test asked for, and
// presses OK (or Cancel).
void answerDialog(HWND dialog)
{
    DialogContents contents;
    EnumChildWindows(dialog, collectChildText, reinterpret_cast<LPARAM>(&contents));
    report("dialog \"%s\"%s", utf8(windowText(dialog)).c_str(), utf8(contents.texts).c_str());
    if (!contents.bitmapSizes.empty())
        report("pictures%s", contents.bitmapSizes.c_str());
    if (app.options.chooseFace != 0) {
        if (HWND choice = GetDlgItem(dialog, app.options.chooseFace))
            SendMessageW(choice, BM_CLICK, 0, 0);
    }
    const int answer = app.options.cancelDialogs ? IDCANCEL : IDOK;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, answer)));
}

BOOL CALLBACK findDialog(HWND window, LPARAM searchParameter)
{
    auto* answered = reinterpret_cast<std::vector<HWND>*>(searchParameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    // The needle dialog (it has the fall slider) is the script's to work.
    if (process != GetCurrentProcessId() || std::strcmp(className, "#32770") != 0 || !IsWindowVisible(window)
        || GetDlgItem(window, kNeedleFallSliderId) || std::find(answered->begin(), answered->end(), window) != answered->end())
        return TRUE;
    answered->push_back(window);
    answerDialog(window);
    return TRUE;
}

DWORD WINAPI watchDialogs(void*)
{
    std::vector<HWND> answered;
    for (;;) {
        EnumWindows(findDialog, reinterpret_cast<LPARAM>(&answered));
        Sleep(20);
    }
}

DWORD WINAPI endHungTestRun(void*)
{
    Sleep(kTestRunLimitMs);
    report("host: the test run did not end within %lu ms", kTestRunLimitMs);
    ExitProcess(3);
}

// ---- The visualization thread ------------------------------------------------

// Calls Render on a thread of its own, one call per request.
class RenderThread {
public:
    explicit RenderThread(VisModule* module) : module_(module) { thread_.start(&RenderThread::run, this); }
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
            thread->module_->Render(thread->module_);
            SetEvent(thread->done_.get());
        }
    }

    VisModule* module_;
    KernelHandle request_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    KernelHandle done_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    std::atomic<bool> stopping_{false};
    JoinableThread thread_;
};

class SpectrumFeed {
public:
    explicit SpectrumFeed(const HostOptions& options) : options_(options)
    {
        if (options.signal == SignalKind::Demo) {
            sound_ = std::make_unique<DemoSound>();
        } else if (options.signal == SignalKind::Wav) {
            auto wav = std::make_unique<WavSound>();
            std::ifstream file(wide(options.wavPath).c_str(), std::ios::binary);
            const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
            problem_ = file ? wav->load(bytes) : "cannot read " + options.wavPath;
            sound_ = std::move(wav);
        }
    }

    const std::string& problem() const { return problem_; }

    void fill(VisModule& module, int delayMs)
    {
        for (int channel = 0; channel < 2; ++channel) {
            ChannelSpectrumBytes bytes{};
            switch (options_.signal) {
            case SignalKind::Silence:
                break;
            case SignalKind::Sum:
                bytes = spectrumWithSum(options_.sum);
                break;
            case SignalKind::Loud:
                bytes.fill(255);
                break;
            case SignalKind::Demo:
            case SignalKind::Wav:
                bytes = spectrumOf(windowBefore(*sound_, channel, position_));
                break;
            }
            std::memcpy(module.spectrumData[channel], bytes.data(), bytes.size());
        }
        if (sound_) {
            // Whole samples per frame, carrying the fraction over.
            const std::int64_t total = std::int64_t{sound_->sampleRate()} * delayMs + remainder_;
            position_ += total / 1000;
            remainder_ = total % 1000;
        }
    }

private:
    const HostOptions& options_;
    std::unique_ptr<SoundSource> sound_;
    std::string problem_;
    std::int64_t position_ = kWindowSamples;
    std::int64_t remainder_ = 0;
};

void afterFrame(int frame, HWND meter)
{
    const HostOptions& options = app.options;
    if (options.resize && options.resize->frame == frame) {
        setClientSize(app.window, options.resize->width, options.resize->height);
        report("resized %dx%d", options.resize->width, options.resize->height);
    }
    if (options.configAt && *options.configAt == frame) {
        app.configPending = true;
        PostMessageA(app.window, kConfigRequest, 0, 0);
    }
    if (options.keyAt && options.keyAt->frame == frame)
        PostMessageA(meter, WM_KEYDOWN, static_cast<WPARAM>(options.keyAt->width), 1);
}

void finishTestRun(HWND meter)
{
    reportMeterPlacement(meter);
    if (!app.options.dumpPath.empty() && IsWindow(meter))
        dumpMeter(meter, app.options.dumpPath);
}

// Handles one pending message per pass and calls Render every delayMs, until
// the thread's quit message arrives. A test run's script starts with the loop.
void runVisLoop(VisModule* module, SpectrumFeed& feed)
{
    const HostOptions& options = app.options;
    HWND meter = FindWindowExA(app.window, nullptr, kMeterClassName, nullptr);
    std::unique_ptr<RenderThread> renderThread;
    if (options.renderElsewhere)
        renderThread = std::make_unique<RenderThread>(module);
    if (!options.script.empty() && !app.scriptTarget.meterWindow) {
        app.scriptTarget.meterWindow = meter;
        app.scriptRunning = true;
        SetEvent(app.scriptStart.get());
    }

    const DWORD delay = static_cast<DWORD>(std::max(module->delayMs, 1));
    DWORD nextFrame = GetTickCount();
    int frame = 0;
    int ticksAfterFrames = 0;
    bool finished = false;
    for (;;) {
        if (app.closeRequested)
            break;
        MSG message;
        const bool handled = PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
        if (handled) {
            if (message.message == WM_QUIT)
                break;
            const bool meterTick = message.message == WM_TIMER && message.hwnd == meter;
            const bool rightClick = message.message == WM_RBUTTONUP && message.hwnd == meter;
            TranslateMessage(&message);
            DispatchMessageA(&message);
            if (meterTick && options.frames && frame >= *options.frames)
                ++ticksAfterFrames;
            if (rightClick)
                SetEvent(app.menuHandled.get());
        }

        const bool rendering = !options.frames || frame < *options.frames;
        DWORD wait = INFINITE;
        if (rendering) {
            const auto untilFrame = static_cast<LONG>(nextFrame - GetTickCount());
            if (untilFrame <= 0) {
                feed.fill(*module, static_cast<int>(delay));
                if (renderThread)
                    renderThread->render();
                else
                    module->Render(module);
                ++frame;
                nextFrame += delay;
                afterFrame(frame, meter);
                continue;
            }
            wait = static_cast<DWORD>(untilFrame);
        } else if (!finished && !app.configPending && !app.scriptRunning && ticksAfterFrames >= options.thenTicks) {
            finishTestRun(meter);
            finished = true;
            PostQuitMessage(0);
            continue;
        }
        if (!handled) {
            HANDLE wake = app.wake.get();
            MsgWaitForMultipleObjects(1, &wake, FALSE, wait, QS_ALLINPUT);
        }
    }
}

void setRunningModule(VisModule* module)
{
    while (!TryAcquireSRWLockExclusive(&app.moduleLock)) {
        // A Config in progress may need this thread's meter window to answer.
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
    }
    app.module = module;
    ReleaseSRWLockExclusive(&app.moduleLock);
}

// ---- Standing in for the platform in a test run -------------------------------

HANDLE WINAPI refusingCreateThread(LPSECURITY_ATTRIBUTES security, SIZE_T stackSize, LPTHREAD_START_ROUTINE routine,
                                   void* argument, DWORD flags, DWORD* id)
{
    int left = app.threadsToRefuse;
    while (left > 0 && !app.threadsToRefuse.compare_exchange_weak(left, left - 1)) {
    }
    if (left > 0) {
        report("thread start refused");
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return CreateThread(security, stackSize, routine, argument, flags, id);
}

HINSTANCE WINAPI reportingShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                                       const wchar_t* directory, int show)
{
    auto text = [](const wchar_t* value) { return value ? utf8(value) : std::string("(none)"); };
    char ownerClass[32] = {};
    GetClassNameA(owner, ownerClass, sizeof ownerClass);
    report("shell %s %s in %s, parameters %s, show %d, owner %s", text(verb).c_str(), text(file).c_str(),
           text(directory).c_str(), text(parameters).c_str(), show, ownerClass);
    return reinterpret_cast<HINSTANCE>(33); // anything above 32 is success
}

// A test run never has the shell open anything: the plug-in's requests are
// reported instead. It can also make the plug-in's thread starts fail.
void standInForThePlatform(HMODULE library)
{
    if (!app.testRun)
        return;
    redirectImport(library, "shell32.dll", "ShellExecuteW", reinterpret_cast<void*>(&reportingShellExecute));
    if (app.options.refusedThreads)
        redirectImport(library, "kernel32.dll", "CreateThread", reinterpret_cast<void*>(&refusingCreateThread));
}

LRESULT CALLBACK refuseMeterWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        char className[16] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
        if (std::strcmp(className, kMeterClassName) == 0) {
            report("meter window refused");
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A hidden host window twice the size of the real one, for a second Init
// without Quit.
HWND createSecondHostWindow()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kSecondHostClassName;
    RegisterClassA(&windowClass);
    HWND second = CreateWindowExA(0, kSecondHostClassName, "second host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    setClientSize(second, app.options.clientWidth * 2, app.options.clientHeight * 2);
    return second;
}

// One load of the plug-in: load, start, run, end and unload. False when the
// library cannot be used at all.
bool runPlugin(int load, SpectrumFeed& feed)
{
    const HostOptions& options = app.options;
    const int threadsBefore = threadsOfThisProcess();
    const std::wstring dllPath = wide(options.dllPath);
    HMODULE library = LoadLibraryW(dllPath.c_str());
    if (!library) {
        report("load failed: error %lu", GetLastError());
        return false;
    }
    const auto getHeader = reinterpret_cast<VisHeaderGetter>(
        reinterpret_cast<void*>(GetProcAddress(library, kVisHeaderGetterName)));
    VisHeader* header = getHeader ? getHeader() : nullptr;
    VisModule* module = header ? header->getModule(0) : nullptr;
    if (!module || !feed.problem().empty()) {
        if (module)
            report("signal: %s", feed.problem().c_str());
        else
            report("the library is no visualization plug-in");
        FreeLibrary(library);
        return false;
    }
    if (app.testRun)
        reportRecords(header, library);
    standInForThePlatform(library);

    module->hwndParent = app.window;
    module->hDllInstance = library;
    module->sRate = 44100;
    module->nCh = 2;
    HHOOK refusal = options.refuseWindow && load == 1
        ? SetWindowsHookExW(WH_CBT, refuseMeterWindow, nullptr, GetCurrentThreadId()) : nullptr;
    const int started = module->Init(module);
    if (refusal)
        UnhookWindowsHookEx(refusal);
    report("init %d", started);
    HWND meter = FindWindowExA(app.window, nullptr, kMeterClassName, nullptr);
    if (app.testRun)
        reportMeterPlacement(meter);
    if (options.initTwice) {
        HWND second = createSecondHostWindow();
        module->hwndParent = second;
        report("init %d", module->Init(module));
        module->hwndParent = app.window;
        DestroyWindow(second);
    }
    if (started == 0) {
        setRunningModule(module);
        if (options.benchmarkFrames) {
            feed.fill(*module, module->delayMs);
            runRenderBenchmark(*module, meter, options.benchmarkFrames);
        } else {
            runVisLoop(module, feed);
        }
        setRunningModule(nullptr);
        module->Quit(module);
        report("quit");
    }

    if (app.testRun) {
        WNDCLASSA meterClass{};
        report("class %s", GetClassInfoA(library, kMeterClassName, &meterClass) ? "registered" : "gone");
        report("window %s", FindWindowExA(app.window, nullptr, kMeterClassName, nullptr) ? "left" : "gone");
    }
    const BOOL freed = FreeLibrary(library);
    report("freelibrary %s, %s", freed ? "ok" : "failed", GetModuleHandleW(dllPath.c_str()) ? "still loaded" : "unloaded");
    if (app.testRun) {
        // Anything the library left running (a timer, a window) would now call
        // into unloaded code.
        const DWORD until = GetTickCount() + kAfterUnloadMs;
        MSG message;
        while (static_cast<LONG>(until - GetTickCount()) > 0) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
        report("threads before=%d after=%d", threadsBefore, threadsOfThisProcess());
    }
    return true;
}

DWORD WINAPI visThread(void*)
{
    SpectrumFeed feed(app.options);
    for (int load = 1; load <= app.options.loads; ++load) {
        if (!runPlugin(load, feed)) {
            app.exitCode = 1;
            break;
        }
    }
    PostMessageA(app.window, kVisEnded, 0, 0);
    return 0;
}

// Runs the test run's script once the meter is up, then stays, as the other
// helper threads of a test run do, so that the count of threads holds still.
DWORD WINAPI driveScript(void*)
{
    WaitForSingleObject(app.scriptStart.get(), INFINITE);
    runScript(app.options.script, app.scriptTarget);
    app.scriptRunning = false;
    SetEvent(app.wake.get());
    Sleep(INFINITE);
    return 0;
}

// ---- The host window ---------------------------------------------------------

void configurePlugin()
{
    AcquireSRWLockExclusive(&app.moduleLock);
    if (app.module)
        app.module->Config(app.module);
    ReleaseSRWLockExclusive(&app.moduleLock);
}

void paintHost(HWND window)
{
    PaintDC paint(window);
    RECT client{};
    GetClientRect(window, &client);
    GdiObject background(CreateSolidBrush(RGB(36, 38, 46)));
    FillRect(paint.get(), &client, static_cast<HBRUSH>(background.get()));
    SetBkMode(paint.get(), TRANSPARENT);
    SetTextColor(paint.get(), RGB(150, 156, 170));
    const char title[] = "vis_Dovrik host stand-in";
    TextOutA(paint.get(), 6, 4, title, static_cast<int>(std::strlen(title)));
    const char hint[] = "right-click: configure";
    TextOutA(paint.get(), 6, client.bottom - 20, hint, static_cast<int>(std::strlen(hint)));
}

LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paintHost(window);
        return 0;
    case WM_SIZE:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_KEYDOWN:
        if (app.testRun)
            report("host key down 0x%02X lparam 0x%08lX", static_cast<unsigned>(wParam), static_cast<unsigned long>(lParam));
        return 0;
    case WM_CONTEXTMENU: {
        HMENU menu = CreatePopupMenu();
        AppendMenuA(menu, MF_STRING, kConfigureCommand, "&Configure vis_Dovrik...");
        AppendMenuA(menu, MF_STRING, kCloseCommand, "C&lose");
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const UINT command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);
        DestroyMenu(menu);
        if (command == kConfigureCommand)
            configurePlugin();
        else if (command == kCloseCommand)
            PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    }
    case kConfigRequest:
        configurePlugin();
        app.configPending = false;
        SetEvent(app.wake.get());
        return 0;
    case WM_CLOSE:
        // The plug-in ends first, on its own thread; the window follows.
        if (app.visRunning) {
            app.closeRequested = true;
            SetEvent(app.wake.get());
        } else {
            DestroyWindow(window);
        }
        return 0;
    case kVisEnded:
        app.visRunning = false;
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(app.exitCode);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

std::string besideThisProgram(const char* name)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory = path;
    directory.resize(directory.rfind(L'\\') + 1);
    return utf8(directory) + name;
}

} // namespace

int main(int argc, char** argv)
{
    std::string problem;
    const auto options = parseHostOptions(std::vector<std::string>(argv + 1, argv + argc), problem);
    if (!options) {
        std::fprintf(stderr, "dovrik_host: %s\n%s", problem.c_str(), kHostUsage);
        return 2;
    }
    app.options = *options;
    if (app.options.dllPath.empty())
        app.options.dllPath = besideThisProgram("vis_Dovrik.dll");
    app.testRun = app.options.frames.has_value();
    app.threadsToRefuse = app.options.refusedThreads;
    if (app.testRun) {
        KernelHandle(CreateThread(nullptr, 0, endHungTestRun, nullptr, 0, nullptr));
        KernelHandle(CreateThread(nullptr, 0, watchDialogs, nullptr, 0, nullptr));
    }

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = hostWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // the arrow
    windowClass.lpszClassName = kHostClassName;
    RegisterClassA(&windowClass);
    app.window = CreateWindowExA(0, kHostClassName, "vis_Dovrik host stand-in", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 400, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
    setClientSize(app.window, app.options.clientWidth, app.options.clientHeight);
    ShowWindow(app.window, SW_SHOWNORMAL);
    UpdateWindow(app.window);

    if (!app.options.script.empty()) {
        std::wstring settingsPath = wide(app.options.dllPath);
        settingsPath.resize(settingsPath.rfind(L'\\') + 1);
        app.scriptTarget = {app.window, nullptr, settingsPath + L"plugin.ini", app.menuHandled.get()};
        KernelHandle(CreateThread(nullptr, 0, driveScript, nullptr, 0, nullptr));
    }

    app.visRunning = true;
    JoinableThread visualization;
    visualization.start(visThread, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    visualization.join(INFINITE);
    return static_cast<int>(message.wParam);
}
