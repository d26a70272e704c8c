#include "meter_plugin/host/test_script.h"

#include "meter_plugin/core/layout.h"
#include "meter_plugin/host/host_report.h"
#include "meter_plugin/host/plugin_host.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>

namespace dovrik::host {
namespace {

constexpr DWORD kWindowWaitMs = 5000;
constexpr UINT kMenuOfPopup = 0x01E1; // MN_GETHMENU: the menu a pop-up menu window shows
constexpr POINT kClickAt{10, 10};     // in the meter window
constexpr int kPerMilleSlider = 1009;
constexpr int kVULimitSlider = 1010;
constexpr int kPerMilleBox = 1016;
constexpr int kVULimitBox = 1018;
constexpr int kAutoBox = 1028;
// The controls that automatic ranging greys.
constexpr int kManualControls[] = {1013, 1014, 1015, kPerMilleSlider, kVULimitSlider, kPerMilleBox, kVULimitBox};

template <class Find>
HWND waitFor(Find find)
{
    const DWORD started = GetTickCount();
    for (;;) {
        if (HWND found = find())
            return found;
        if (GetTickCount() - started > kWindowWaitMs)
            return nullptr;
        Sleep(10);
    }
}

bool isClass(HWND window, const wchar_t* name)
{
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    return lstrcmpiW(className, name) == 0;
}

BOOL CALLBACK findVisibleMenu(HWND window, LPARAM found)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !isClass(window, L"#32768") || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND openMenu()
{
    HWND found = nullptr;
    EnumWindows(findVisibleMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring itemText(HMENU menu, int position)
{
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}

// "Set Needle | Change Model | - | ... | Help > [Tell You... | About...]"
std::wstring menuText(HMENU menu)
{
    std::wstring text;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (i > 0)
            text += L" | ";
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR)
            text += L"-";
        else if (HMENU submenu = GetSubMenu(menu, i))
            text += itemText(menu, i) + L" > [" + menuText(submenu) + L"]";
        else
            text += itemText(menu, i);
    }
    return text;
}

// The keys that choose `command`: Down to its item (separators are passed over),
// Right into a submenu, which selects the submenu's first item.
bool keysFor(HMENU menu, UINT command, bool firstSelected, std::vector<WPARAM>& keys)
{
    bool selected = firstSelected;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR)
            continue;
        if (!selected)
            keys.push_back(VK_DOWN);
        selected = false;
        if (HMENU submenu = GetSubMenu(menu, i)) {
            std::vector<WPARAM> inside{VK_RIGHT};
            if (keysFor(submenu, command, true, inside)) {
                keys.insert(keys.end(), inside.begin(), inside.end());
                return true;
            }
        } else if (GetMenuItemID(menu, i) == command) {
            return true;
        }
    }
    return false;
}

void useMenu(const ScriptStep& step, const ScriptTarget& target)
{
    ResetEvent(target.menuHandled);
    PostMessageW(target.meterWindow, WM_RBUTTONUP, 0, MAKELPARAM(kClickAt.x, kClickAt.y));
    HWND popup = waitFor(openMenu);
    if (!popup) {
        report("menu none");
        return;
    }
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, kMenuOfPopup, 0, 0));
    RECT placed{};
    GetWindowRect(popup, &placed);
    POINT click = kClickAt;
    ClientToScreen(target.meterWindow, &click);
    report("menu at %+ld %+ld: %s", placed.left - click.x, placed.top - click.y, utf8(menuText(menu)).c_str());

    std::vector<WPARAM> keys;
    const bool choose = step.kind == ScriptStep::Menu;
    if (choose && !keysFor(menu, static_cast<UINT>(step.id), false, keys)) {
        report("menu has no command %d", step.id);
        keys.clear();
    }
    if (choose && !keys.empty()) {
        for (WPARAM key : keys)
            PostMessageW(popup, WM_KEYDOWN, key, 1);
        PostMessageW(popup, WM_CHAR, L'\r', 1);
    } else {
        PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 1);
    }
    if (WaitForSingleObject(target.menuHandled, 3 * kWindowWaitMs) != WAIT_OBJECT_0)
        report("menu command did not end");
}

HWND needleDialogIn(HWND host)
{
    for (HWND child = FindWindowExW(host, nullptr, L"#32770", nullptr); child;
         child = FindWindowExW(host, child, L"#32770", nullptr))
        if (GetDlgItem(child, kPerMilleSlider) && IsWindowVisible(child))
            return child;
    return nullptr;
}

BOOL CALLBACK countTopLevelNeedleDialogs(HWND window, LPARAM count)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && isClass(window, L"#32770") && GetDlgItem(window, kPerMilleSlider))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int openNeedleDialogs(HWND host)
{
    int count = 0;
    for (HWND child = FindWindowExW(host, nullptr, L"#32770", nullptr); child;
         child = FindWindowExW(host, child, L"#32770", nullptr))
        count += GetDlgItem(child, kPerMilleSlider) != nullptr;
    EnumWindows(countTopLevelNeedleDialogs, reinterpret_cast<LPARAM>(&count));
    return count;
}

void showNeedleDialog(HWND dialog, HWND host)
{
    RECT placed{};
    GetWindowRect(dialog, &placed);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&placed), 2);
    report("needle window \"%s\" at %ld %ld %s, %d open", utf8(windowText(dialog)).c_str(), placed.left, placed.top,
           IsIconic(dialog) ? "minimized" : "normal", openNeedleDialogs(host));

    std::wstring texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (isClass(child, L"Button"))
            texts += (texts.empty() ? L"" : L" | ") + windowText(child);
    report("needle buttons %s", utf8(texts).c_str());

    int enabled = 0;
    for (int id : kManualControls)
        enabled += IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
    const char* controls = enabled == static_cast<int>(std::size(kManualControls)) ? "enabled"
                         : enabled == 0 ? "greyed" : "mixed";
    report("needle values %s %s | sliders %ld %ld | auto %s | controls %s",
           utf8(windowText(GetDlgItem(dialog, kPerMilleBox))).c_str(),
           utf8(windowText(GetDlgItem(dialog, kVULimitBox))).c_str(),
           static_cast<long>(SendDlgItemMessageW(dialog, kPerMilleSlider, TBM_GETPOS, 0, 0)),
           static_cast<long>(SendDlgItemMessageW(dialog, kVULimitSlider, TBM_GETPOS, 0, 0)),
           IsDlgButtonChecked(dialog, kAutoBox) == BST_CHECKED ? "on" : "off", controls);
}

// A drag of the thumb: the slider moves, then tells the dialog while tracking,
// where it was let go, and that the drag has ended.
void dragSlider(HWND dialog, int id, int position)
{
    HWND slider = GetDlgItem(dialog, id);
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    for (WORD code : {TB_THUMBTRACK, TB_THUMBPOSITION})
        SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(slider));
    SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(slider));
}

void useNeedleDialog(const ScriptStep& step, const ScriptTarget& target)
{
    HWND dialog = waitFor([&] { return needleDialogIn(target.hostWindow); });
    if (!dialog) {
        report("needle none, %d open", openNeedleDialogs(target.hostWindow));
        return;
    }
    switch (step.kind) {
    case ScriptStep::NeedleShow:
        showNeedleDialog(dialog, target.hostWindow);
        break;
    case ScriptStep::NeedleSlide:
        dragSlider(dialog, step.id, step.number);
        break;
    case ScriptStep::NeedleNudge:
        // An arrow key and a page key: the slider moves, without its thumb being dragged.
        for (WPARAM key : {VK_RIGHT, VK_NEXT})
            SendDlgItemMessageW(dialog, step.id, WM_KEYDOWN, key, 1);
        break;
    case ScriptStep::NeedleType:
        SendDlgItemMessageW(dialog, step.id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide(step.text).c_str()));
        break;
    case ScriptStep::NeedleClick:
        SendDlgItemMessageW(dialog, step.id, BM_CLICK, 0, 0);
        break;
    case ScriptStep::NeedleMinimize:
        SendMessageW(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case ScriptStep::NeedleClose:
        SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        if (!waitFor([&] { return IsWindow(dialog) ? nullptr : target.hostWindow; }))
            report("needle dialog stayed open");
        break;
    default:
        break;
    }
}

void showSettings(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file) {
        report("settings none");
        return;
    }
    std::string text{std::istreambuf_iterator<char>(file), {}};
    std::string lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines += (lines.empty() ? "" : " | ") + text.substr(start, end - start);
        start = end + 2;
    }
    report("settings %s", lines.c_str());
}

// Config runs a modal dialog on the host window's thread, which the host's
// dialog answering closes.
void configure(const ScriptTarget& target)
{
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(target.hostWindow, target.configRequest, 0, 0, SMTO_NORMAL, 3 * kWindowWaitMs, &ignored))
        report("config did not end");
}

// The meter follows at its next timer tick.
void resizeHost(const ScriptStep& step, const ScriptTarget& target)
{
    setClientSize(target.hostWindow, step.width, step.height);
    const int scale = step.width / kHostBaseWidth;
    const bool followed = waitFor([&]() -> HWND {
        RECT meter{};
        GetClientRect(target.meterWindow, &meter);
        return meter.right == kMeterBaseWidth * scale && meter.bottom == kMeterBaseHeight * scale ? target.meterWindow
                                                                                                  : nullptr;
    });
    report(followed ? "resized %dx%d" : "resized %dx%d, the meter did not follow", step.width, step.height);
}

} // namespace

void runScript(const std::vector<ScriptStep>& steps, const ScriptTarget& target)
{
    for (const ScriptStep& step : steps) {
        switch (step.kind) {
        case ScriptStep::Menu:
        case ScriptStep::DismissMenu:
            useMenu(step, target);
            break;
        case ScriptStep::ShowSettings:
            showSettings(target.settingsPath);
            break;
        case ScriptStep::Configure:
            configure(target);
            break;
        case ScriptStep::Resize:
            resizeHost(step, target);
            break;
        default:
            useNeedleDialog(step, target);
            break;
        }
    }
}

} // namespace dovrik::host
