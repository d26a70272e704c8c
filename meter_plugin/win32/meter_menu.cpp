#include "meter_plugin/win32/meter_menu.h"

#include "meter_plugin/win32/language.h"
#include "meter_plugin/win32/meter_state.h"
#include "meter_plugin/win32/meter_window.h"
#include "meter_plugin/win32/needle_dialog.h"
#include "meter_plugin/win32/resource_ids.h"
#include "meter_plugin/win32/settings_file.h"

#include <shellapi.h>

namespace dovrik {
namespace {

constexpr int kMenuRightOfClick = 5;
constexpr wchar_t kVersionQuery[] = L"\\StringFileInfo\\040404b0\\FileVersion";

void changeModel(HWND meterWindow)
{
    const VisModule* module = moduleOfMeterWindow(meterWindow);
    if (!module)
        return;
    MeterState& state = meterState;
    {
        Locked locked(state.lock);
        state.modelId = nextModelId(state.modelId);
    }
    switchFace(state, *module);
}

void exitPlugIn(HWND meterWindow)
{
    endNeedleDialog();
    // The window's end posts the quit message, on which the host ends the plug-in.
    DestroyWindow(meterWindow);
}

void openHelpPage(HWND meterWindow, HINSTANCE library)
{
    const wchar_t* page = systemPrefersChinese() ? L"cvis_dk.htm" : L"vis_dk.htm";
    WidePath directory = libraryPath(library);
    directory.cut(directoryOf(directory.view()).size());
    ShellExecuteW(meterWindow, L"open", page, nullptr, directory.view().empty() ? nullptr : directory.c_str(),
                  SW_SHOWMAXIMIZED);
}

// Puts the library's file version into the about box. The field keeps its
// template text when the version cannot be read.
void showVersion(HWND box, HWND meterWindow)
{
    const VisModule* module = moduleOfMeterWindow(meterWindow);
    if (!module)
        return;
    const WidePath path = libraryPath(module->hDllInstance);
    DWORD ignored = 0;
    const HeapArray<unsigned char> version(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    if (version.empty() || !GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(version.size()), version.data()))
        return;
    wchar_t* text = nullptr;
    UINT length = 0;
    if (VerQueryValueW(version.data(), kVersionQuery, reinterpret_cast<void**>(&text), &length) && text && length)
        SetDlgItemTextW(box, IDC_ABOUT_VERSION, text);
}

INT_PTR CALLBACK aboutBoxProc(HWND box, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        showVersion(box, reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_COMMAND: // the button, Enter and Escape alike
        EndDialog(box, IDOK);
        return TRUE;
    }
    return FALSE;
}

void runCommand(HWND meterWindow, HINSTANCE library, UINT command)
{
    switch (command) {
    case IDM_SET_NEEDLE:
        setNeedle();
        break;
    case IDM_CHANGE_MODEL:
        changeModel(meterWindow);
        break;
    case IDM_EXIT_PLUGIN:
        exitPlugIn(meterWindow);
        break;
    case IDM_TELL_YOU:
        openHelpPage(meterWindow, library);
        break;
    case IDM_ABOUT: {
        const int boxId = systemPrefersChinese() ? IDD_ABOUT_CHINESE : IDD_ABOUT_ENGLISH;
        DialogBoxParamW(library, MAKEINTRESOURCEW(boxId), meterWindow, aboutBoxProc,
                        reinterpret_cast<LPARAM>(meterWindow));
        break;
    }
    }
}

} // namespace

void showMeterMenu(HWND meterWindow, LPARAM clickPoint)
{
    POINT at{LOWORD(clickPoint), HIWORD(clickPoint)};
    ClientToScreen(meterWindow, &at);
    const auto library = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(meterWindow, GWLP_HINSTANCE));
    const int menuId = systemPrefersChinese() ? IDM_METER_CHINESE : IDM_METER_ENGLISH;
    HMENU menu = LoadMenuW(library, MAKEINTRESOURCEW(menuId));
    if (!menu)
        return;
    const UINT command = static_cast<UINT>(TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                          at.x + kMenuRightOfClick, at.y, 0, meterWindow, nullptr));
    runCommand(meterWindow, library, command);
    DestroyMenu(menu); // and its pop-ups with it
}

} // namespace dovrik
