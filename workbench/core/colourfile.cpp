#include "workbench/core/colourfile.h"

#include "common/core/fileio.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tessel {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLeadingSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The text after the first occurrence of `mark`; the whole text when there is none.
std::string_view after(std::string_view text, char mark)
{
    const size_t at = text.find(mark);
    return at == std::string_view::npos ? text : text.substr(at + 1);
}

// The length of the line end (CR LF, CR or LF) at the front of `text`, 0 for none.
size_t leadingLineEnd(std::string_view text)
{
    if (text.starts_with("\r\n"))
        return 2;
    return text.starts_with('\r') || text.starts_with('\n') ? 1 : 0;
}

} // namespace

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

double leadingNumber(std::string_view text)
{
    size_t at = 0;
    while (at < text.size() && isLeadingSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const size_t start = at;
    bool sawDigit = false;
    bool sawNonZero = false;
    while (at < text.size() && isDigit(text[at])) {
        sawDigit = true;
        sawNonZero = sawNonZero || text[at] != '0';
        ++at;
    }
    const bool wholeNonZero = sawNonZero;
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && isDigit(text[at])) {
            sawDigit = true;
            ++at;
        }
    }
    if (!sawDigit)
        return 0;

    double value = 0;
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + at, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        value = wholeNonZero ? std::numeric_limits<double>::max() : 0;
    return negative ? -value : value;
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

ColourTable colourTableFromText(std::string_view text)
{
    ColourTable table {};
    std::string_view rest = text;
    for (ColourEntry& entry : table) {
        const char* const entryStart = rest.data();
        entry[0] = leadingNumber(rest);
        rest = after(rest, ',');
        entry[1] = leadingNumber(rest);
        rest = after(rest, ',');
        entry[2] = leadingNumber(rest);
        // Where no comma moved the text on, it still starts with the line end the
        // entry's line came after; the line read ends at the next one, or every
        // later entry would read the same line again.
        const size_t searchFrom = rest.data() == entryStart ? leadingLineEnd(rest) : 0;
        // The line end stays at the front; the next entry's number reading skips it.
        // Files saved on Linux end their lines with a line feed alone, so that is
        // the line end once no carriage return is left.
        size_t lineEnd = rest.find('\r', searchFrom);
        if (lineEnd == std::string_view::npos)
            lineEnd = rest.find('\n', searchFrom);
        rest = lineEnd == std::string_view::npos ? std::string_view() : rest.substr(lineEnd);
    }
    return table;
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
