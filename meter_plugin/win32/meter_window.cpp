#include "meter_window.h"

#include "layout.h"
#include "needles.h"
#include "settings_file.h"

namespace dovrik {
namespace {

void paintMeter(HWND window)
{
    PaintDC paint(window);
    MeterState& state = meterState;
    Locked locked(state.lock);
    drawFace(state);
    updateNeedleTips(state);
    drawNeedlesAndShow(state, paint.get());
}

// Follows a change of the host window's client size, or else lets the needles
// fall when Render has stopped drawing.
void onMeterTimer(HWND window)
{
    MeterState& state = meterState;
    RECT rect{};
    GetClientRect(state.hostWindow, &rect);
    const ClientRect client{rect.left, rect.top, rect.right, rect.bottom};

    MeterPlacement placement;
    {
        Locked locked(state.lock);
        if (client == state.hostClientRect) {
            if (idleFallDue(state) && IsWindowVisible(window)) {
                WindowDC dc(window);
                drawFace(state);
                fallTowardRest(state);
                drawNeedlesAndShow(state, dc.get());
            }
            return;
        }
        state.hostClientRect = client;
        placement = placementAfterResize(client);
        state.meterWidth = placement.width;
        state.meterHeight = placement.height;
    }
    // Moved outside the lock: moving a child window may make the platform wait
    // for the host window's thread, which may itself be waiting for the lock.
    MoveWindow(window, placement.x, placement.y, placement.width, placement.height, TRUE);
    {
        Locked locked(state.lock);
        WindowDC reference(state.hostWindow);
        createBackSurface(state, reference.get());
        setUpNeedleGeometry(state);
    }
    InvalidateRect(window, nullptr, FALSE);
}

} // namespace

LRESULT CALLBACK meterWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        // The plug-in's only way of ending itself: the host ends the
        // visualization when this thread's message loop sees the quit.
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        paintMeter(window);
        return 0;
    case WM_ERASEBKGND:
        return 1; // every paint covers the whole window
    case WM_KEYDOWN:
    case WM_KEYUP:
        // Keeps the host's keyboard shortcuts working while the meter has the focus.
        PostMessageA(meterState.hostWindow, message, wParam, lParam);
        return 0;
    case WM_TIMER:
        if (wParam == kMeterTimerId)
            onMeterTimer(window);
        return 0;
    case WM_RBUTTONUP:
        // The meter offers no menu of its own yet; the click must not reach the
        // host as a context-menu request either.
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

VisModule* moduleOfMeterWindow(HWND window)
{
    return reinterpret_cast<VisModule*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HBITMAP loadFace(HINSTANCE library, int modelId)
{
    if (modelId <= 0 || modelId > 0xFFFF)
        return nullptr;
    return LoadBitmapA(library, MAKEINTRESOURCEA(modelId));
}

bool meterRunning(const MeterState& state)
{
    return state.backSurface && IsWindow(state.meterWindow);
}

void createBackSurface(MeterState& state, HDC reference)
{
    state.backSurface.create(reference);
    state.backSurface.adoptBitmap(CreateCompatibleBitmap(reference, state.meterWidth, state.meterHeight));
}

void setUpNeedleGeometry(MeterState& state)
{
    setUpNeedles(state);
    state.backSurface.selectStockPen(state.needlePen == NeedlePen::White ? WHITE_PEN : BLACK_PEN);
}

void drawFace(MeterState& state)
{
    StretchBlt(state.backSurface.dc(), 0, 0, state.meterWidth, state.meterHeight, state.faceSurface.dc(), 0, 0,
               kMeterBaseWidth, kMeterBaseHeight, SRCCOPY);
}

void drawNeedlesAndShow(MeterState& state, HDC target)
{
    POINT points[6];
    for (std::size_t i = 0; i < state.needlePoints.size(); ++i)
        points[i] = {state.needlePoints[i].x, state.needlePoints[i].y};
    const DWORD pointsPerNeedle[] = {3, 3};
    PolyPolyline(state.backSurface.dc(), points, pointsPerNeedle, 2);
    BitBlt(target, 0, 0, state.meterWidth, state.meterHeight, state.backSurface.dc(), 0, 0, SRCCOPY);
}

void switchFace(MeterState& state, const VisModule& fallbackModule)
{
    // Destroying the window takes no lock, so it may be gone by now; the record
    // is read before anything is released, and the caller's stands in for it.
    const VisModule* stored = moduleOfMeterWindow(state.meterWindow);
    const HINSTANCE library = (stored ? *stored : fallbackModule).hDllInstance;
    state.backSurface.release();
    state.faceSurface.release();
    {
        WindowDC reference(state.hostWindow);
        createBackSurface(state, reference.get());
        state.faceSurface.create(reference.get());
        writeSettings(state, settingsPathFor(library));
        state.faceSurface.adoptBitmap(loadFace(library, state.modelId));
    }
    setUpNeedleGeometry(state);
    InvalidateRect(state.meterWindow, nullptr, FALSE);
}

} // namespace dovrik
