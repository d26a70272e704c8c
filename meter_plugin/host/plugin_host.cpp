#include "meter_plugin/host/plugin_host.h"

#include "meter_plugin/host/wide_text.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace dovrik::host {
namespace {

constexpr char kHostClassName[] = "DovrikHostStandIn";
constexpr UINT kVisEnded = WM_APP;
constexpr UINT kConfigureCommand = 1;
constexpr UINT kCloseCommand = 2;

} // namespace

void setClientSize(HWND window, int width, int height)
{
    RECT rect{0, 0, width, height};
    AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string pluginBesideThisProgram()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory = path;
    directory.resize(directory.rfind(L'\\') + 1);
    return utf8(directory) + "vis_Dovrik.dll";
}

// ---- PluginLibrary -----------------------------------------------------------

PluginLibrary::PluginLibrary(const std::string& path)
    : library_(LoadLibraryW(wide(path).c_str()))
{
    if (!library_) {
        loadError_ = GetLastError();
        return;
    }
    const auto getHeader = reinterpret_cast<VisHeaderGetter>(
        reinterpret_cast<void*>(GetProcAddress(library_, kVisHeaderGetterName)));
    header_ = getHeader ? getHeader() : nullptr;
}

void PluginLibrary::attach(VisModule& module, HWND parent) const
{
    module.hwndParent = parent;
    module.hDllInstance = library_;
    module.sRate = 44100;
    module.nCh = 2;
}

bool PluginLibrary::unload()
{
    if (!library_)
        return false;
    header_ = nullptr;
    return FreeLibrary(std::exchange(library_, nullptr)) != FALSE;
}

// ---- PluginHost --------------------------------------------------------------

PluginHost::PluginHost(const HostOptions& options, const char* title) : options_(options), title_(title) {}

int PluginHost::run()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // the arrow
    windowClass.lpszClassName = kHostClassName;
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, kHostClassName, title_, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 400, 200,
                              nullptr, nullptr, windowClass.hInstance, this);
    setClientSize(window_, options_.clientWidth, options_.clientHeight);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);

    visRunning_ = true;
    JoinableThread visualization;
    visualization.start(visualizationThread, this);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    visualization.join(INFINITE);
    return exitCode_;
}

DWORD WINAPI PluginHost::visualizationThread(void* host)
{
    auto* self = static_cast<PluginHost*>(host);
    self->exitCode_ = self->visualize();
    PostMessageA(self->window_, kVisEnded, 0, 0);
    return 0;
}

void PluginHost::setRunningModule(VisModule* module)
{
    while (!TryAcquireSRWLockExclusive(&moduleLock_)) {
        // A Config in progress may need this thread's meter window to answer.
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
    }
    module_ = module;
    ReleaseSRWLockExclusive(&moduleLock_);
}

void PluginHost::configure()
{
    AcquireSRWLockExclusive(&moduleLock_);
    if (module_)
        module_->Config(module_);
    ReleaseSRWLockExclusive(&moduleLock_);
}

void PluginHost::playFrames(VisModule& module, FrequencyFeed& feed, FramePacing& pacing)
{
    const int soundPerFrameMs = std::max(module.delayMs, 1);
    const DWORD delay = pacing.frameDelayMs(module);
    DWORD nextFrame = GetTickCount();
    int frames = 0;
    bool ending = false;
    while (!closeRequested_) {
        MSG message;
        const bool handled = PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
        if (handled) {
            if (message.message == WM_QUIT)
                break;
            TranslateMessage(&message);
            DispatchMessageA(&message);
            pacing.dispatched(message, frames);
        }

        DWORD wait = INFINITE;
        if (pacing.wantsFrame(frames)) {
            const auto untilFrame = static_cast<LONG>(nextFrame - GetTickCount());
            if (untilFrame <= 0) {
                feed.fill(module, soundPerFrameMs);
                pacing.render(module);
                ++frames;
                nextFrame += delay;
                pacing.afterFrame(frames);
                continue;
            }
            wait = static_cast<DWORD>(untilFrame);
        } else if (!ending && pacing.finished()) {
            // Messages already queued are still handled before the quit.
            ending = true;
            PostQuitMessage(0);
            continue;
        }
        if (!handled) {
            HANDLE wakeEvent = wake_.get();
            MsgWaitForMultipleObjects(1, &wakeEvent, FALSE, wait, QS_ALLINPUT);
        }
    }
}

LRESULT CALLBACK PluginHost::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* host = static_cast<PluginHost*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        host->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
    }
    auto* host = reinterpret_cast<PluginHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return host ? host->onMessage(message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

void PluginHost::paint()
{
    PaintDC paint(window_);
    RECT client{};
    GetClientRect(window_, &client);
    GdiObject background(CreateSolidBrush(RGB(36, 38, 46)));
    FillRect(paint.get(), &client, static_cast<HBRUSH>(background.get()));
    SetBkMode(paint.get(), TRANSPARENT);
    SetTextColor(paint.get(), RGB(150, 156, 170));
    TextOutA(paint.get(), 6, 4, title_, static_cast<int>(std::strlen(title_)));
    const char hint[] = "right-click: configure";
    TextOutA(paint.get(), 6, client.bottom - 20, hint, static_cast<int>(std::strlen(hint)));
}

LRESULT PluginHost::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (handleMessage(message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_SIZE:
        InvalidateRect(window_, nullptr, FALSE);
        return 0;
    case WM_CONTEXTMENU: {
        HMENU menu = CreatePopupMenu();
        AppendMenuA(menu, MF_STRING, kConfigureCommand, "&Configure vis_Dovrik...");
        AppendMenuA(menu, MF_STRING, kCloseCommand, "C&lose");
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const UINT command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
        DestroyMenu(menu);
        if (command == kConfigureCommand)
            configure();
        else if (command == kCloseCommand)
            PostMessageA(window_, WM_CLOSE, 0, 0);
        return 0;
    }
    case WM_CLOSE:
        // The plug-in ends first, on its own thread; the window follows.
        if (visRunning_) {
            closeRequested_ = true;
            wake();
        } else {
            DestroyWindow(window_);
        }
        return 0;
    case kVisEnded:
        visRunning_ = false;
        DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(exitCode_);
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

} // namespace dovrik::host
