#pragma once

#include "meter_plugin/core/meter_values.h"

#include <array>
#include <cstddef>
#include <string_view>

// The rules of the meter's settings file, "plugin.ini" beside the plug-in: one
// section named after the module, four keys read and written in a fixed order,
// values written as plain decimal numbers. The file access itself belongs to the
// platform's profile functions. Nothing here allocates: the plug-in carries no
// C++ runtime library.
namespace dovrik {

// The module's description, as the host lists it; it also names the section.
inline constexpr char kModuleDescription[] = "Duruzo am-Meter";
inline constexpr std::string_view kSettingsSection = kModuleDescription;
inline constexpr std::wstring_view kSettingsFileName = L"plugin.ini";

inline constexpr int kDefaultModelId = 101;
inline constexpr int kDefaultDelay = 63;
inline constexpr int kDefaultVULimit = 3072;

// Keys in the order they are read and written: modelId, nDelay, nVULimit, AutoSet.
inline constexpr std::array<std::string_view, 4> kSettingKeys = {"Bitmap ID", "nDelay", "nVULimit", "AutoSet"};

using SettingValues = std::array<int, kSettingKeys.size()>;

// The settings of `values` in key order, AutoSet as 0 or 1.
SettingValues currentSettings(const MeterValues& values);

// Stores settings read in key order: any AutoSet but 0 means on, and a 0 in
// modelId, nDelay or nVULimit is replaced by its default (101, 63, 3072). No other
// value is checked against a range.
void applySettings(MeterValues& values, const SettingValues& read);

// The integer a setting's text starts with: optional blanks, an optional sign,
// then digits. A text without one reads as 0; numbers beyond int are clamped.
int leadingInteger(std::string_view text);

// A setting's text as it is written: decimal, with a minus sign when negative.
struct SettingText {
    std::array<char, 12> characters{}; // room for "-2147483648"
    std::size_t length = 0;
    std::string_view view() const { return {characters.data(), length}; }
};
SettingText settingText(int value);

// The face Change Model turns to: 100, 101, 102 and round again. A number that
// names no face stays as it is.
int nextModelId(int modelId);

// The directory of `libraryPath`: everything up to and including its last
// backslash, or nothing when it has none.
std::wstring_view directoryOf(std::wstring_view libraryPath);

// The folder "plugin.ini" lies in: the directory of `libraryPath`, or ".\\", the
// current directory, when the path has no backslash: the profile functions would
// take a bare file name to mean a file in the Windows directory.
std::wstring_view settingsFolderOf(std::wstring_view libraryPath);

} // namespace dovrik
