#include "meter_plugin/win32/needle_dialog.h"

#include "meter_plugin/core/needle_dialog_rules.h"
#include "meter_plugin/win32/language.h"
#include "meter_plugin/win32/meter_state.h"
#include "meter_plugin/win32/resource_ids.h"

#include <windows.h>
#include <commctrl.h>

namespace dovrik {
namespace {

constexpr POINT kBroughtBackAt{104, 0};
// How long ending the meter waits for the dialog's thread. The thread holds its
// own reference to the library, so giving up never unloads code that still runs.
constexpr DWORD kDialogEndWaitMs = 5000;

// Greyed while automatic ranging sets the values.
constexpr int kManualControls[] = {IDC_NEEDLE_LOW,        IDC_NEEDLE_HIGH,          IDC_NEEDLE_MIDDLE,
                                   IDC_NEEDLE_PER_MILLE_SLIDER, IDC_NEEDLE_VU_LIMIT_SLIDER,
                                   IDC_NEEDLE_PER_MILLE_BOX,    IDC_NEEDLE_VU_LIMIT_BOX};

// True while the dialog writes numbers into its own boxes, whose change
// notifications are then not taken for typing: the rules for a dragged slider
// have already run, and a refresh only shows the values. Only the dialog's
// thread touches it.
bool showingNumbers = false;

void enableManualControls(HWND dialog, bool autoSet)
{
    for (int id : kManualControls)
        EnableWindow(GetDlgItem(dialog, id), !autoSet);
}

void moveSlider(HWND dialog, int slider, int position)
{
    SendDlgItemMessageW(dialog, slider, TBM_SETPOS, TRUE, position);
}

void showNumber(HWND dialog, int box, int number)
{
    showingNumbers = true;
    SetDlgItemInt(dialog, box, static_cast<UINT>(number), TRUE);
    showingNumbers = false;
}

void refresh(HWND dialog)
{
    const NeedleDialogView view = refreshNeedleDialog(meterState);
    SendDlgItemMessageW(dialog, IDC_NEEDLE_PER_MILLE_SLIDER, TBM_SETRANGE, FALSE,
                        MAKELPARAM(kPerMilleLowest, kPerMilleHighest));
    moveSlider(dialog, IDC_NEEDLE_PER_MILLE_SLIDER, view.perMille);
    SendDlgItemMessageW(dialog, IDC_NEEDLE_VU_LIMIT_SLIDER, TBM_SETRANGE, FALSE,
                        MAKELPARAM(kVULimitLowest, kVULimitHighest));
    moveSlider(dialog, IDC_NEEDLE_VU_LIMIT_SLIDER, view.vuLimit);
    showNumber(dialog, IDC_NEEDLE_PER_MILLE_BOX, view.perMille);
    showNumber(dialog, IDC_NEEDLE_VU_LIMIT_BOX, view.vuLimit);
}

// Only a dragged thumb changes a value; keys and clicks beside the thumb move the
// slider alone.
void onSliderScrolled(HWND dialog, HWND slider, WORD code, int position)
{
    if (code != TB_THUMBTRACK && code != TB_THUMBPOSITION)
        return;
    switch (GetDlgCtrlID(slider)) {
    case IDC_NEEDLE_PER_MILLE_SLIDER:
        perMilleDragged(meterState, position);
        showNumber(dialog, IDC_NEEDLE_PER_MILLE_BOX, position);
        break;
    case IDC_NEEDLE_VU_LIMIT_SLIDER:
        vuLimitDragged(meterState, position);
        showNumber(dialog, IDC_NEEDLE_VU_LIMIT_BOX, position);
        break;
    }
}

// Every change of a box's text counts, keystroke by keystroke.
void onBoxChanged(HWND dialog, int box)
{
    if (showingNumbers)
        return;
    BOOL isNumber = FALSE;
    const UINT typed = GetDlgItemInt(dialog, box, &isNumber, FALSE);
    const unsigned number = isNumber ? typed : 0;
    if (box == IDC_NEEDLE_PER_MILLE_BOX && perMilleTyped(meterState, number))
        moveSlider(dialog, IDC_NEEDLE_PER_MILLE_SLIDER, static_cast<int>(number));
    else if (box == IDC_NEEDLE_VU_LIMIT_BOX && vuLimitTyped(meterState, number))
        moveSlider(dialog, IDC_NEEDLE_VU_LIMIT_SLIDER, static_cast<int>(number));
}

void onPreset(HWND dialog, NeedlePreset preset)
{
    applyNeedlePreset(meterState, preset);
    refresh(dialog);
}

void onOpened(HWND dialog)
{
    MeterState& state = meterState;
    const bool autoSet = state.AutoSet;
    CheckDlgButton(dialog, IDC_NEEDLE_AUTO, autoSet ? BST_CHECKED : BST_UNCHECKED);
    enableManualControls(dialog, autoSet);

    HWND host = nullptr;
    {
        Locked locked(state.lock);
        host = state.hostWindow;
    }
    // A child of the host's window; it tells its parent nothing when it closes, so
    // that closing it never waits for the host's thread.
    SetWindowLongW(dialog, GWL_STYLE, (GetWindowLongW(dialog, GWL_STYLE) & ~WS_POPUP) | WS_CHILD);
    SetWindowLongW(dialog, GWL_EXSTYLE, GetWindowLongW(dialog, GWL_EXSTYLE) | WS_EX_NOPARENTNOTIFY);
    SetParent(dialog, host);

    openNeedleDialog(state);
    refresh(dialog);
}

INT_PTR CALLBACK needleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        meterState.needleDialog = dialog;
        // The meter began to end before the dialog was up, so ending it may not
        // have found the dialog to close: it closes itself, saving nothing.
        if (!meterState.needleDialogOpen) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        onOpened(dialog);
        return TRUE;
    case WM_HSCROLL:
        onSliderScrolled(dialog, reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_NEEDLE_PER_MILLE_BOX:
        case IDC_NEEDLE_VU_LIMIT_BOX:
            if (HIWORD(wParam) == EN_CHANGE)
                onBoxChanged(dialog, LOWORD(wParam));
            return TRUE;
        case IDC_NEEDLE_LOW:
            onPreset(dialog, NeedlePreset::Low);
            return TRUE;
        case IDC_NEEDLE_MIDDLE:
            onPreset(dialog, NeedlePreset::Middle);
            return TRUE;
        case IDC_NEEDLE_HIGH:
            onPreset(dialog, NeedlePreset::High);
            return TRUE;
        case IDC_NEEDLE_AUTO: {
            const bool autoSet = IsDlgButtonChecked(dialog, IDC_NEEDLE_AUTO) == BST_CHECKED;
            meterState.AutoSet = autoSet;
            enableManualControls(dialog, autoSet);
            return TRUE;
        }
        case IDCANCEL: // the close box and the Escape key
            saveSettings(meterState, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, DWLP_USER)));
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    case WM_DESTROY: {
        HWND self = dialog;
        meterState.needleDialog.compare_exchange_strong(self, nullptr);
        return FALSE;
    }
    }
    return FALSE;
}

// The dialog's thread. Its argument is a reference to the library that Set
// Needle took for it, so the code it runs stays loaded until it has ended.
DWORD WINAPI runNeedleDialog(void* libraryReference)
{
    const auto library = static_cast<HMODULE>(libraryReference);
    if (meterState.needleDialogOpen) {
        const INITCOMMONCONTROLSEX sliders{sizeof sliders, ICC_BAR_CLASSES};
        InitCommonControlsEx(&sliders);
        const int dialogId = systemPrefersChinese() ? IDD_NEEDLE_CHINESE : IDD_NEEDLE_ENGLISH;
        DialogBoxParamW(library, MAKEINTRESOURCEW(dialogId), nullptr, needleDialogProc,
                        reinterpret_cast<LPARAM>(library));
        meterState.needleDialogOpen = false;
    }
    FreeLibraryAndExitThread(library, 0);
}

void bringBack()
{
    HWND dialog = meterState.needleDialog;
    if (!dialog)
        return; // its thread is still putting it up
    ShowWindow(dialog, SW_RESTORE);
    SetWindowPos(dialog, nullptr, kBroughtBackAt.x, kBroughtBackAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

} // namespace

void setNeedle()
{
    MeterState& state = meterState;
    if (state.needleDialogOpen) {
        bringBack();
        return;
    }
    // The thread of a dialog closed before has ended, or is about to.
    state.needleThread.join(kDialogEndWaitMs);
    state.needleDialogOpen = true;
    HMODULE reference = nullptr;
    const bool referenced = GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                                               reinterpret_cast<LPCWSTR>(&runNeedleDialog), &reference);
    if (referenced && state.needleThread.start(runNeedleDialog, reference))
        return;
    if (referenced)
        FreeLibrary(reference);
    // No dialog will come to bring back, so a later Set Needle must try afresh.
    state.needleDialogOpen = false;
}

void endNeedleDialog()
{
    MeterState& state = meterState;
    state.needleDialogOpen = false;
    if (HWND dialog = state.needleDialog)
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    state.needleThread.join(kDialogEndWaitMs);
}

} // namespace dovrik
