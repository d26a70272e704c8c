#include "meter_plugin/host/dialog_answering.h"

#include "meter_plugin/host/host_report.h"
#include "meter_plugin/win32/scoped_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace dovrik::host {
namespace {

constexpr int kNeedleFallSliderId = 1009;

DialogAnswer answerGiven;

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
// sizes of its bitmap pictures (bitmap in control); clicks the radio button a
// test asked for, and presses OK (or Cancel).
void answerDialog(HWND dialog)
{
    DialogContents contents;
    EnumChildWindows(dialog, collectChildText, reinterpret_cast<LPARAM>(&contents));
    report("dialog \"%s\"%s", utf8(windowText(dialog)).c_str(), utf8(contents.texts).c_str());
    if (!contents.bitmapSizes.empty())
        report("pictures%s", contents.bitmapSizes.c_str());
    if (answerGiven.chooseId != 0) {
        if (HWND choice = GetDlgItem(dialog, answerGiven.chooseId))
            SendMessageW(choice, BM_CLICK, 0, 0);
    }
    const int answer = answerGiven.cancel ? IDCANCEL : IDOK;
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

} // namespace

void answerDialogs(const DialogAnswer& answer)
{
    answerGiven = answer;
    KernelHandle(CreateThread(nullptr, 0, watchDialogs, nullptr, 0, nullptr));
}

} // namespace dovrik::host
