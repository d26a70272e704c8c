#include "meter_plugin/win32/model_dialog.h"

#include "meter_plugin/core/layout.h"
#include "meter_plugin/win32/language.h"
#include "meter_plugin/win32/meter_state.h"
#include "meter_plugin/win32/meter_window.h"
#include "meter_plugin/win32/resource_ids.h"

namespace dovrik {
namespace {

constexpr int kFaceChoices[] = {IDC_MODEL_MCINTOSH, IDC_MODEL_QUORVEL, IDC_MODEL_ONKYO};

void chooseFace(HWND dialog, const VisModule& module)
{
    int chosen = 0;
    for (int id : kFaceChoices) {
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) {
            chosen = id;
            break;
        }
    }
    MeterState& state = meterState;
    bool running = false;
    {
        Locked locked(state.lock);
        running = meterRunning(state);
        // The dialog read modelId back from the settings file, which may hold
        // another face than the one shown when a save failed: the choice then
        // still has to reach the meter.
        const bool shown = !running || chosen == state.faceShown;
        if (chosen == 0 || (chosen == state.modelId && shown))
            return;
        state.modelId = chosen;
    }
    if (running)
        switchFace(state, module);
    else
        saveSettings(state, module.hDllInstance); // shown from the next start
}

bool isFacePicture(HWND control)
{
    wchar_t className[8] = {};
    GetClassNameW(control, className, 8);
    const auto staticType = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)) & SS_TYPEMASK;
    return lstrcmpiW(className, L"Static") == 0 && staticType == SS_BITMAP;
}

// Gives `picture` a new bitmap and hands back the one it showed before.
HBITMAP replacePicture(HWND picture, HBITMAP bitmap)
{
    return reinterpret_cast<HBITMAP>(
        SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

// A picture shows the whole of its bitmap (sized to it, or squeezed into a
// smaller control), and face 100 carries a column that the meter never shows.
// So each picture gets a copy of the part the meter shows instead of the face it
// loaded; the dialog owns these copies until it closes.
void showOnlyTheShownPartOfFaces(HWND dialog)
{
    WindowDC screen(dialog);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!isFacePicture(child))
            continue;
        const auto face = reinterpret_cast<HBITMAP>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
        HBITMAP shown = face ? CreateCompatibleBitmap(screen.get(), kMeterBaseWidth, kMeterBaseHeight) : nullptr;
        if (!shown)
            continue;
        {
            MemoryDC source(screen.get());
            MemoryDC target(screen.get());
            Selection sourceFace(source.get(), face);
            Selection targetShown(target.get(), shown);
            BitBlt(target.get(), 0, 0, kMeterBaseWidth, kMeterBaseHeight, source.get(), 0, 0, SRCCOPY);
        }
        DeleteObject(replacePicture(child, shown));
    }
}

void releaseFacePictures(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (isFacePicture(child))
            DeleteObject(replacePicture(child, nullptr));
}

INT_PTR CALLBACK modelDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const auto* module = reinterpret_cast<const VisModule*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        showOnlyTheShownPartOfFaces(dialog);
        MeterState& state = meterState;
        loadSettings(state, module->hDllInstance);
        int modelId = 0;
        {
            Locked locked(state.lock);
            modelId = state.modelId;
        }
        for (int id : kFaceChoices)
            if (id == modelId)
                CheckDlgButton(dialog, id, BST_CHECKED);
        return TRUE;
    }
    case WM_DESTROY:
        releaseFacePictures(dialog);
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            chooseFace(dialog, *reinterpret_cast<const VisModule*>(GetWindowLongPtrW(dialog, DWLP_USER)));
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

void configureMeter(VisModule* module)
{
    const int dialogId = systemPrefersChinese() ? IDD_MODEL_CHINESE : IDD_MODEL_ENGLISH;
    DialogBoxParamW(module->hDllInstance, MAKEINTRESOURCEW(dialogId), GetActiveWindow(), modelDialogProc,
                    reinterpret_cast<LPARAM>(module));
    HWND window = nullptr;
    {
        Locked locked(meterState.lock);
        window = meterState.meterWindow;
    }
    if (IsWindow(window) && IsWindowVisible(window))
        InvalidateRect(window, nullptr, TRUE);
}

} // namespace dovrik
