#include "common/core/colourlines.h"

#include <charconv>
#include <limits>

namespace kit {
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

// Reads the entry at the front of `rest` and moves `rest` on to the line end
// that closes the line read.
ColourEntry readEntry(std::string_view& rest)
{
    ColourEntry entry {};
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
    return entry;
}

// Whether `text` starts with a number as leadingNumber reads one, and if so the
// text after it.
bool skipNumber(std::string_view& text)
{
    size_t at = text.find_first_not_of(" \t");
    if (at == std::string_view::npos)
        return false;
    if (text[at] == '+' || text[at] == '-')
        ++at;
    const size_t digits = at;
    while (at < text.size() && (isDigit(text[at]) || text[at] == '.'))
        ++at;
    const std::string_view number = text.substr(digits, at - digits);
    if (number.find_first_of("0123456789") == std::string_view::npos)
        return false;
    text.remove_prefix(at);
    return true;
}

bool holdsThreeNumbers(std::string_view line)
{
    for (int component = 0; component < 3; ++component) {
        if (!skipNumber(line))
            return false;
        if (component < 2) {
            const size_t comma = line.find(',');
            if (comma == std::string_view::npos)
                return false;
            line.remove_prefix(comma + 1);
        }
    }
    return true;
}

} // namespace

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

ColourTable colourTableFromText(std::string_view text)
{
    ColourTable table {};
    std::string_view rest = text;
    for (ColourEntry& entry : table)
        entry = readEntry(rest);
    return table;
}

std::vector<ColourLine> readColourLines(std::string_view text, int entries)
{
    std::vector<ColourLine> lines;
    std::string_view rest = text;
    int lineNumber = 1;
    const char* counted = text.data();
    while (static_cast<int>(lines.size()) < entries) {
        const size_t red = rest.find_first_not_of(" \t\r\n");
        if (red == std::string_view::npos)
            break;
        const char* const lineStart = rest.data() + red;
        for (; counted < lineStart; ++counted)
            if (*counted == '\n' || (*counted == '\r' && counted[1] != '\n'))
                ++lineNumber;
        ColourLine line;
        line.lineNumber = lineNumber;
        const std::string_view fromRed = rest.substr(red);
        line.text = fromRed.substr(0, fromRed.find_first_of("\r\n"));
        line.wholeLine = holdsThreeNumbers(line.text);
        line.values = readEntry(rest);
        lines.push_back(line);
    }
    return lines;
}

} // namespace kit
