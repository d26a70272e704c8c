#include "meter_plugin/core/settings_rules.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace dovrik {

SettingValues currentSettings(const MeterValues& values)
{
    return {values.modelId, values.nDelay, values.nVULimit, values.AutoSet ? 1 : 0};
}

void applySettings(MeterValues& values, const SettingValues& read)
{
    values.modelId = read[0] != 0 ? read[0] : kDefaultModelId;
    values.nDelay = read[1] != 0 ? read[1] : kDefaultDelay;
    values.nVULimit = read[2] != 0 ? read[2] : kDefaultVULimit;
    values.AutoSet = read[3] != 0;
}

int leadingInteger(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';

    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        magnitude = std::min(limit, magnitude * 10 + (text[at] - '0'));

    const std::int64_t value = negative ? -magnitude : std::min(magnitude, limit - 1);
    return static_cast<int>(value);
}

SettingText settingText(int value)
{
    SettingText text;
    const auto written = std::to_chars(text.characters.data(), text.characters.data() + text.characters.size(), value);
    text.length = static_cast<std::size_t>(written.ptr - text.characters.data());
    return text;
}

int nextModelId(int modelId)
{
    switch (modelId) {
    case 100:
        return 101;
    case 101:
        return 102;
    case 102:
        return 100;
    default:
        return modelId;
    }
}

std::wstring_view directoryOf(std::wstring_view libraryPath)
{
    const auto lastBackslash = libraryPath.rfind(L'\\');
    return lastBackslash != std::wstring_view::npos ? std::wstring_view(libraryPath.data(), lastBackslash + 1)
                                                    : std::wstring_view();
}

std::wstring_view settingsFolderOf(std::wstring_view libraryPath)
{
    const std::wstring_view directory = directoryOf(libraryPath);
    return directory.empty() ? L".\\" : directory;
}

} // namespace dovrik
