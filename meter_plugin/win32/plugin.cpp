// The plug-in as the host sees it: the exported header getter, the header and
// module records, and the module's Init, Render, Config and Quit.
#include "meter_plugin/core/layout.h"
#include "meter_plugin/core/needles.h"
#include "meter_plugin/core/settings_rules.h"
#include "meter_plugin/win32/meter_state.h"
#include "meter_plugin/win32/meter_window.h"
#include "meter_plugin/win32/model_dialog.h"
#include "meter_plugin/win32/needle_dialog.h"
#include "meter_plugin/win32/vis_interface.h"

namespace dovrik {
namespace {

constexpr char kMeterFailureCaption[] = "blah";

int initMeter(VisModule* module);
int renderMeter(VisModule* module);
void quitMeter(VisModule* module);

VisModule meterModule = {
    kModuleDescription, nullptr, nullptr, 0, 0,
    25, // latency in ms
    25, // ms between Render calls
    2,  // spectrum channels
    0,  // waveform channels
    {}, {}, configureMeter, initMeter, renderMeter, quitMeter, nullptr,
};

VisModule* moduleAt(int index)
{
    return index == 0 ? &meterModule : nullptr;
}

VisHeader header = {kVisInterfaceVersion, "Dovrik Duruzo Ammeter v2.2", moduleAt};

// A start that fails leaves the state as it was, so that a meter already running
// (a second Init without Quit) carries on undisturbed.
int initMeter(VisModule* module)
{
    MeterState& state = meterState;
    RECT rect{};
    GetClientRect(module->hwndParent, &rect);
    const ClientRect client{rect.left, rect.top, rect.right, rect.bottom};
    const MeterPlacement placement = placementAtStart(client);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = meterWindowProc;
    windowClass.hInstance = module->hDllInstance;
    windowClass.lpszClassName = kMeterClassName;
    if (!RegisterClassA(&windowClass)) {
        MessageBoxA(module->hwndParent, "Error registering window class", kMeterFailureCaption, MB_OK);
        return 1;
    }
    // Creating a child of the host's window talks to the host's thread, so no
    // lock is held here.
    HWND window = CreateWindowExA(0, kMeterClassName, module->description, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                                  placement.x, placement.y, placement.width, placement.height, module->hwndParent,
                                  nullptr, module->hDllInstance, nullptr);
    if (!window) {
        // Left registered, the class would point into this library once it is
        // unloaded, and every start after the next load would fail on it.
        UnregisterClassA(kMeterClassName, module->hDllInstance);
        MessageBoxA(module->hwndParent, "Error creating window", kMeterFailureCaption, MB_OK);
        return 1;
    }
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(module));

    {
        Locked locked(state.lock);
        state.hostWindow = module->hwndParent;
        state.hostClientRect = client;
        state.meterWidth = placement.width;
        state.meterHeight = placement.height;
        state.meterWindow = window;
        WindowDC reference(state.hostWindow);
        createBackSurface(state, reference.get());
        state.faceSurface.create(reference.get());
    }
    loadSettings(state, module->hDllInstance);
    {
        Locked locked(state.lock);
        state.restLevel = {restingLevel(state.nDelay), restingLevel(state.nDelay)};
        showFaceOfModel(state, module->hDllInstance);
    }

    if (GetThreadPriority(GetCurrentThread()) < THREAD_PRIORITY_NORMAL)
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
    ShowWindow(window, SW_SHOWNORMAL);
    // Keeps the host window from painting over the meter; it stays on for good.
    SetWindowLongA(module->hwndParent, GWL_STYLE, GetWindowLongA(module->hwndParent, GWL_STYLE) | WS_CLIPCHILDREN);
    SetTimer(window, kMeterTimerId, kMeterTimerMs, nullptr);
    return 0;
}

int renderMeter(VisModule* module)
{
    MeterState& state = meterState;
    Locked locked(state.lock);
    if (!IsWindowVisible(state.meterWindow))
        return 0;
    renderLevels(state, module->spectrumData[0], module->spectrumData[1]);
    showFrameIfChanged(state);
    return 0;
}

void quitMeter(VisModule* module)
{
    MeterState& state = meterState;
    // The dialog's thread runs code of this library, which may be unloaded as soon
    // as Quit returns.
    endNeedleDialog();
    if (state.AutoSet)
        saveSettings(state, module->hDllInstance); // keeps what automatic ranging reached
    HWND window = nullptr;
    {
        Locked locked(state.lock);
        window = state.meterWindow;
    }
    // The window may be gone already (destroyed by the user); its steps are then skipped.
    const bool windowAlive = IsWindow(window);
    if (windowAlive)
        KillTimer(window, kMeterTimerId);
    {
        Locked locked(state.lock);
        state.backSurface.release();
        state.faceSurface.release();
        // Once destroyed, the handle may come to name another window, which a
        // later Config or Render must not draw on.
        state.meterWindow = nullptr;
    }
    if (windowAlive) {
        SetWindowLongA(window, GWL_STYLE, WS_POPUP);
        DestroyWindow(window);
    }
    UnregisterClassA(kMeterClassName, module->hDllInstance);
}

} // namespace
} // namespace dovrik

extern "C" __declspec(dllexport) dovrik::VisHeader* winampVisGetHeader()
{
    return &dovrik::header;
}
