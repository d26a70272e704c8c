#include "meter_plugin/win32/settings_file.h"

#include <string_view>

namespace dovrik {
namespace {

std::wstring widened(std::string_view ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

// Setting values are plain numbers; anything else only has to stop the number.
std::string narrowed(std::wstring_view text)
{
    std::string narrow;
    for (wchar_t c : text)
        narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return narrow;
}

} // namespace

std::wstring libraryPath(HINSTANCE library)
{
    // Long enough for the longest path the platform hands out, so that a deep
    // plug-in folder never yields a cut-off directory.
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(library, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return path;
}

std::wstring settingsPathFor(HINSTANCE library)
{
    return settingsPathBeside(libraryPath(library));
}

SettingValues readSettings(const SettingValues& current, const std::wstring& path)
{
    const std::wstring section = widened(kSettingsSection);
    SettingValues read{};
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i) {
        wchar_t text[256] = {};
        GetPrivateProfileStringW(section.c_str(), widened(kSettingKeys[i]).c_str(),
                                 widened(settingText(current[i])).c_str(), text, 256, path.c_str());
        read[i] = leadingInteger(narrowed(text));
    }
    return read;
}

void writeSettings(const SettingValues& settings, const std::wstring& path)
{
    const std::wstring section = widened(kSettingsSection);
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i)
        WritePrivateProfileStringW(section.c_str(), widened(kSettingKeys[i]).c_str(),
                                   widened(settingText(settings[i])).c_str(), path.c_str());
}

} // namespace dovrik
