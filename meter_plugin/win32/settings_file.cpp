#include "meter_plugin/win32/settings_file.h"

#include <string_view>

namespace dovrik {
namespace {

// Room for the section, the keys and the values, which are short and plain ASCII.
class ShortWide {
public:
    explicit ShortWide(std::string_view ascii)
    {
        std::size_t length = 0;
        for (; length < ascii.size() && length + 1 < std::size(text_); ++length)
            text_[length] = static_cast<unsigned char>(ascii[length]);
        text_[length] = L'\0';
    }
    const wchar_t* c_str() const { return text_; }

private:
    wchar_t text_[32];
};

// Setting values are plain numbers; anything else only has to stop the number.
template <std::size_t N>
std::string_view narrowed(const wchar_t (&text)[N], char (&narrow)[N])
{
    std::size_t length = 0;
    for (; length + 1 < N && text[length] != L'\0'; ++length)
        narrow[length] = text[length] < 0x80 ? static_cast<char>(text[length]) : '?';
    return {narrow, length};
}

} // namespace

WidePath libraryPath(HINSTANCE library, std::size_t extra)
{
    // Room for the longest path the platform hands out, so that a deep plug-in
    // folder never yields a cut-off directory.
    WidePath path(extra);
    path.takeWritten(GetModuleFileNameW(library, path.buffer(), static_cast<DWORD>(path.room() + 1)));
    return path;
}

WidePath settingsPathFor(HINSTANCE library)
{
    WidePath path = libraryPath(library, kSettingsFileName.size() + 2);
    const std::wstring_view folder = settingsFolderOf(path.view());
    if (folder.data() == path.view().data()) {
        path.cut(folder.size());
    } else {
        path.cut(0);
        path.append(folder);
    }
    path.append(kSettingsFileName);
    return path;
}

SettingValues readSettings(const SettingValues& current, const wchar_t* path)
{
    if (!*path)
        return current;
    const ShortWide section(kSettingsSection);
    SettingValues read{};
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i) {
        wchar_t text[256] = {};
        GetPrivateProfileStringW(section.c_str(), ShortWide(kSettingKeys[i]).c_str(),
                                 ShortWide(settingText(current[i]).view()).c_str(), text, 256, path);
        char narrow[256] = {};
        read[i] = leadingInteger(narrowed(text, narrow));
    }
    return read;
}

void writeSettings(const SettingValues& settings, const wchar_t* path)
{
    if (!*path)
        return;
    const ShortWide section(kSettingsSection);
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i)
        WritePrivateProfileStringW(section.c_str(), ShortWide(kSettingKeys[i]).c_str(),
                                   ShortWide(settingText(settings[i]).view()).c_str(), path);
}

} // namespace dovrik
