#include "model_dialog.h"

#include "language.h"
#include "meter_state.h"
#include "meter_window.h"
#include "resource_ids.h"
#include "settings_file.h"

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
    Locked locked(state.lock);
    if (chosen == 0 || chosen == state.modelId)
        return;
    state.modelId = chosen;
    if (meterRunning(state))
        switchFace(state, module);
    else
        writeSettings(state, settingsPathFor(module.hDllInstance)); // shown from the next start
}

INT_PTR CALLBACK modelDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        const auto* module = reinterpret_cast<const VisModule*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        int modelId = 0;
        {
            MeterState& state = meterState;
            Locked locked(state.lock);
            readSettings(state, settingsPathFor(module->hDllInstance));
            modelId = state.modelId;
        }
        for (int id : kFaceChoices)
            if (id == modelId)
                CheckDlgButton(dialog, id, BST_CHECKED);
        return TRUE;
    }
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
