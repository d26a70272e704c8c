#include "workbench/core/colourfile.h"

#include "common/core/fileio.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tessel {

std::string numberText(double value)
{
    // Twice the longest fixed-point text of a double is plenty.
    char digits[2 * (std::numeric_limits<double>::max_exponent10 + std::numeric_limits<double>::max_digits10)];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed);
    std::string text(value < 0 ? "-" : " ");
    if (error == std::errc())
        text.append(digits, end);
    return text;
}

std::string colourFileText(const ColourTable& table)
{
    std::string text;
    for (int i = 0; i < kColourEntries; ++i) {
        const ColourEntry& entry = table[static_cast<size_t>(i)];
        text += numberText(entry[0]) + "," + numberText(entry[1]) + "," + numberText(entry[2]);
        text += "  //" + numberText(i) + "\r\n";
    }
    return text;
}

std::string colourValuesText(const ColourTable& table)
{
    std::string text;
    for (const ColourEntry& entry : table)
        text += numberText(entry[0]) + "," + numberText(entry[1]) + "," + numberText(entry[2]) + "\r\n";
    return text;
}

std::string colourNotesText()
{
    std::string text;
    for (int i = 0; i < kColourEntries; ++i)
        text += "//" + numberText(i) + "\r\n";
    return text;
}

std::string WriteColourFile(const std::filesystem::path& path, const ColourTable& table)
{
    return kit::replaceFile(path, colourFileText(table));
}

std::string ReadColourFile(const std::filesystem::path& path, ColourTable& table)
{
    std::string bytes;
    if (std::string reason = kit::readWholeFile(path, bytes, kColourFileSizeLimit); !reason.empty())
        return reason;
    table = colourTableFromText(bytes);
    return {};
}

} // namespace tessel
