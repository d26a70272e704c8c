// Whatever plugin.ini holds: the four values read from it give a meter that lays
// out, renders, falls and ranges without overflow (the sanitizers watch), and
// every value it writes back reads as itself.
//
// The input is the four value texts, one per line, as the profile functions
// hand them over, then any bytes that stand for a frame of spectrum data.
#include "meter_plugin/core/needles.h"
#include "meter_plugin/core/settings_rules.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    dovrik::SettingValues read{};
    for (int& value : read) {
        const std::size_t end = rest.find('\n');
        value = dovrik::leadingInteger(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }

    dovrik::MeterValues values;
    values.meterWidth = 81;
    values.meterHeight = 22;
    dovrik::applySettings(values, read);
    for (int value : dovrik::currentSettings(values))
        if (dovrik::leadingInteger(dovrik::settingText(value).view()) != value)
            std::abort();

    if (!dovrik::setUpNeedles(values, values.modelId))
        values.modelId = dovrik::nextModelId(values.modelId);
    dovrik::setUpNeedles(values, values.modelId);

    std::array<unsigned char, dovrik::kSpectrumBytesPerChannel> loud{}, quiet{};
    for (std::size_t i = 0; i < loud.size(); ++i)
        loud[i] = i < rest.size() ? static_cast<unsigned char>(rest[i]) : 255;
    for (int frame = 0; frame < 4; ++frame) {
        dovrik::renderLevels(values, loud, quiet);
        dovrik::renderLevels(values, quiet, loud);
    }
    for (int tick = 0; tick < 8; ++tick)
        if (dovrik::idleFallDue(values))
            dovrik::fallTowardRest(values);
    return 0;
}
