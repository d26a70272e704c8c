#include "meter_plugin/win32/meter_window.h"

#include "meter_plugin/core/layout.h"
#include "meter_plugin/core/needles.h"
#include "meter_plugin/win32/meter_menu.h"

namespace dovrik {
namespace {

// A host may paint over the meter without sending it a paint message: one that
// takes the clip-children style off its window again, or draws through a drawing
// context that does not clip its children. A still meter therefore shows its
// picture again at every 40th frame that draws nothing: once a second at the
// pace the module asks the player for, and counted rather than timed, so that
// the same calls always draw the same.
constexpr int kFramesBetweenRepairs = 40;

void recordPictureOnScreen(MeterState& state)
{
    state.needlesOnScreen = state.needlePoints;
    state.pictureOnScreen = true;
    state.framesNotDrawn = 0;
}

// The face bitmap numbered `modelId` from the library, or null when there is
// none. Numbers that cannot name a resource (a settings file can hold any) load
// nothing rather than being taken for a resource name's address.
HBITMAP loadFace(HINSTANCE library, int modelId)
{
    if (modelId <= 0 || modelId > 0xFFFF)
        return nullptr;
    return LoadBitmapA(library, MAKEINTRESOURCEA(modelId));
}

void paintMeter(HWND window)
{
    PaintDC paint(window);
    MeterState& state = meterState;
    Locked locked(state.lock);
    drawFace(state);
    updateNeedleTips(state);
    drawNeedlesAndShow(state, paint.get());
    // A paint of part of the window leaves the rest as the last frame drew it.
    RECT client{};
    GetClientRect(window, &client);
    const RECT& painted = paint.area();
    if (painted.left <= 0 && painted.top <= 0 && painted.right >= client.right && painted.bottom >= client.bottom)
        recordPictureOnScreen(state);
    else
        state.pictureOnScreen = false;
}

// Follows a change of the host window's client size, or else lets the needles
// fall when Render has stopped drawing.
void onMeterTimer(HWND window)
{
    MeterState& state = meterState;
    RECT rect{};
    GetClientRect(state.hostWindow, &rect);
    const ClientRect client{rect.left, rect.top, rect.right, rect.bottom};
    {
        Locked locked(state.lock);
        if (client == state.hostClientRect) {
            if (idleFallDue(state) && IsWindowVisible(window)) {
                fallTowardRest(state);
                showFrameIfChanged(state);
            }
            return;
        }
    }
    const MeterPlacement placement = placementAfterResize(client);
    // Moved outside the lock: moving a child window may make the platform wait
    // for the host window's thread, which may itself be waiting for the lock.
    // Until the size below changes, frames are drawn whole at the old size.
    MoveWindow(window, placement.x, placement.y, placement.width, placement.height, TRUE);
    {
        // Size, surface and needles change in one hold, so that a Render on
        // another thread never draws a frame that is half the one, half the other.
        Locked locked(state.lock);
        state.hostClientRect = client;
        state.meterWidth = placement.width;
        state.meterHeight = placement.height;
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
        // Answered here, so the click never reaches the host as a request for its
        // own context menu.
        showMeterMenu(window, lParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

VisModule* moduleOfMeterWindow(HWND window)
{
    return reinterpret_cast<VisModule*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool meterRunning(const MeterState& state)
{
    return state.backSurface && IsWindow(state.meterWindow);
}

void createBackSurface(MeterState& state, HDC reference)
{
    state.pictureOnScreen = false;
    state.backSurface.create(reference);
    state.backSurface.adoptBitmap(CreateCompatibleBitmap(reference, state.meterWidth, state.meterHeight));
}

void showFaceOfModel(MeterState& state, HINSTANCE library)
{
    state.faceSurface.adoptBitmap(loadFace(library, state.modelId));
    state.faceShown = state.modelId;
    setUpNeedleGeometry(state);
}

void setUpNeedleGeometry(MeterState& state)
{
    setUpNeedles(state, state.faceShown);
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
    showBackSurface(state, target);
}

void showBackSurface(const MeterState& state, HDC target)
{
    BitBlt(target, 0, 0, state.meterWidth, state.meterHeight, state.backSurface.dc(), 0, 0, SRCCOPY);
}

void showFrameIfChanged(MeterState& state)
{
    const bool shown = state.pictureOnScreen && state.needlesOnScreen == state.needlePoints;
    if (shown && ++state.framesNotDrawn < kFramesBetweenRepairs)
        return;
    WindowDC dc(state.meterWindow);
    if (shown) {
        // The back surface still holds the picture the window showed last.
        showBackSurface(state, dc.get());
        state.framesNotDrawn = 0;
        return;
    }
    drawFace(state);
    drawNeedlesAndShow(state, dc.get());
    recordPictureOnScreen(state);
}

void switchFace(MeterState& state, const VisModule& fallbackModule)
{
    HWND window = nullptr;
    {
        Locked locked(state.lock);
        window = state.meterWindow;
    }
    // Destroying the window takes no lock, so it may be gone by now; the caller's
    // record then stands in for the one it held.
    const VisModule* stored = moduleOfMeterWindow(window);
    const HINSTANCE library = (stored ? *stored : fallbackModule).hDllInstance;
    saveSettings(state, library);
    {
        Locked locked(state.lock);
        if (!meterRunning(state))
            return; // ended meanwhile: there is nothing left to draw on
        state.backSurface.release();
        state.faceSurface.release();
        {
            WindowDC reference(state.hostWindow);
            createBackSurface(state, reference.get());
            state.faceSurface.create(reference.get());
        }
        showFaceOfModel(state, library);
        window = state.meterWindow;
    }
    InvalidateRect(window, nullptr, FALSE);
}

} // namespace dovrik
