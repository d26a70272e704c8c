#include "meter_plugin/host/test_script.h"

#include "meter_plugin/core/layout.h"
#include "meter_plugin/core/needles.h"
#include "meter_plugin/core/settings_rules.h"
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
constexpr UINT kSetNeedleCommand = 40002;
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
        Sleep(1);
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

// Right-clicks the meter and waits for its menu to show; null when none does.
HWND rightClickMeter(const ScriptTarget& target)
{
    ResetEvent(target.menuHandled);
    PostMessageW(target.meterWindow, WM_RBUTTONUP, 0, MAKELPARAM(kClickAt.x, kClickAt.y));
    return waitFor(openMenu);
}

// Chooses `command` from the shown menu by its keys, or closes the menu with
// Escape when `command` is 0 or not in it, and waits for the meter to be done
// with the choice. False when the menu has no such command.
bool answerMenu(HWND popup, UINT command, const ScriptTarget& target)
{
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, kMenuOfPopup, 0, 0));
    std::vector<WPARAM> keys;
    const bool found = command != 0 && keysFor(menu, command, false, keys) && !keys.empty();
    if (found) {
        for (WPARAM key : keys)
            PostMessageW(popup, WM_KEYDOWN, key, 1);
        PostMessageW(popup, WM_CHAR, L'\r', 1);
    } else {
        PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 1);
    }
    if (WaitForSingleObject(target.menuHandled, 3 * kWindowWaitMs) != WAIT_OBJECT_0)
        report("menu command did not end");
    return found || command == 0;
}

void useMenu(const ScriptStep& step, const ScriptTarget& target)
{
    HWND popup = rightClickMeter(target);
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
    const UINT command = step.kind == ScriptStep::Menu ? static_cast<UINT>(step.id) : 0;
    if (!answerMenu(popup, command, target))
        report("menu has no command %d", step.id);
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

// The close box; true once the dialog is gone.
bool closeNeedleDialog(HWND dialog, const ScriptTarget& target)
{
    SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return waitFor([&] { return IsWindow(dialog) ? nullptr : target.hostWindow; }) != nullptr;
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
        if (!closeNeedleDialog(dialog, target))
            report("needle dialog stayed open");
        break;
    default:
        break;
    }
}

// The settings file's bytes, as they are on the disk; empty when there is none.
std::string settingsFileText(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The lines of a settings file on one line: "[section] | key=value | ...".
std::string oneLine(const std::string& text)
{
    std::string lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines += (lines.empty() ? "" : " | ") + text.substr(start, end - start);
        start = end + 2;
    }
    return lines;
}

void showSettings(const std::wstring& path)
{
    const std::string text = settingsFileText(path);
    if (text.empty())
        report("settings none");
    else
        report("settings %s", oneLine(text).c_str());
}

// Config runs a modal dialog on the host window's thread, which the host's
// dialog answering closes.
void configure(const ScriptTarget& target)
{
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(target.hostWindow, target.configRequest, 0, 0, SMTO_NORMAL, 3 * kWindowWaitMs, &ignored))
        report("config did not end");
}

// Writes the settings of face 101 with automatic ranging off and the state that
// ranging leaves at full scale `vuLimit`, through the profile functions that the
// plug-in reads them with. Each value has a plus sign, which the plug-in reads
// but never writes, so that the file shows whether the plug-in saved. Returns
// the file's bytes as the plug-in writes them.
std::string writeRangedState(int vuLimit, const std::wstring& path)
{
    const int values[] = {kDefaultModelId, rangingFallStep(vuLimit), vuLimit, 0};
    const std::wstring section = wide(std::string(kSettingsSection));
    std::string saved = "[" + std::string(kSettingsSection) + "]\r\n";
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i) {
        const std::string key(kSettingKeys[i]);
        const std::string value = std::to_string(values[i]);
        WritePrivateProfileStringW(section.c_str(), wide(key).c_str(), wide("+" + value).c_str(), path.c_str());
        saved += key + "=" + value + "\r\n";
    }
    return saved;
}

// For each full scale of the sweep: the ranged state written to the settings
// file, Config to make the plug-in read it, Set Needle from the meter's menu,
// the dialog closed untouched, which saves, and the file read back. Reports
// every state that the plug-in did not save as it was read, then how many
// states there were and how many changed.
void sweepNeedleDialog(const ScriptStep& step, const ScriptTarget& target)
{
    int states = 0;
    int changed = 0;
    for (int vuLimit = step.id; vuLimit <= step.number; vuLimit += step.step) {
        const std::string saved = writeRangedState(vuLimit, target.settingsPath);
        configure(target);
        HWND popup = rightClickMeter(target);
        HWND dialog = nullptr;
        if (popup && answerMenu(popup, kSetNeedleCommand, target))
            dialog = waitFor([&] { return needleDialogIn(target.hostWindow); });
        if (!dialog || !closeNeedleDialog(dialog, target)) {
            report("needle sweep stopped at %d: the dialog did not %s", vuLimit, dialog ? "close" : "open");
            break;
        }
        ++states;
        const std::string read = settingsFileText(target.settingsPath);
        if (read != saved) {
            ++changed;
            report("needle sweep %d changed: %s", vuLimit, oneLine(read).c_str());
        }
    }
    report("needle sweep %d to %d by %d: %d states, %d changed", step.id, step.number, step.step, states, changed);
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
        case ScriptStep::NeedleSweep:
            sweepNeedleDialog(step, target);
            break;
        default:
            useNeedleDialog(step, target);
            break;
        }
    }
}

} // namespace dovrik::host
