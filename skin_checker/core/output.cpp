#include "skin_checker/core/output.h"

#include <cstdio>

namespace skincheck {
namespace {

// The length of the UTF-8 character at the front of `text`, or 0 for a byte
// that begins none.
size_t utf8Length(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    const size_t length = lead < 0x80 ? 1 : lead >= 0xc2 && lead <= 0xdf ? 2 : lead >= 0xe0 && lead <= 0xef ? 3
                                                                     : lead >= 0xf0 && lead <= 0xf4 ? 4 : 0;
    if (length == 0 || length > text.size())
        return 0;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xc0u) != 0x80u)
            return 0;
    const auto second = static_cast<unsigned char>(text.size() > 1 ? text[1] : 0);
    if ((lead == 0xe0 && second < 0xa0) || (lead == 0xed && second >= 0xa0) || (lead == 0xf0 && second < 0x90)
        || (lead == 0xf4 && second >= 0x90))
        return 0;
    return length;
}

std::string json(std::string_view text)
{
    std::string out = "\"";
    while (!text.empty()) {
        const char c = text[0];
        size_t length = utf8Length(text);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (length == 1 && static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else if (length == 0) {
            out += "\\ufffd";
            length = 1;
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return out + '"';
}

} // namespace

std::string textReport(const SkinReport& report, bool quiet)
{
    std::string text;
    for (const Finding& finding : report.findings) {
        if (quiet && finding.level != Level::Error)
            continue;
        text += report.skin + ": ";
        if (!finding.file.empty())
            text += finding.file + ": ";
        text += std::string(levelName(finding.level)) + ": " + finding.reason + '\n';
    }
    return text;
}

std::string jsonReport(const SkinReport& report, bool quiet)
{
    std::string text = "{\"skin\": " + json(report.skin) + ", \"readable\": " + (report.readable ? "true" : "false")
                       + ", \"folder\": " + (report.folder.empty() ? "null" : json(report.folder)) + ", \"findings\": [";
    bool first = true;
    for (const Finding& finding : report.findings) {
        if (quiet && finding.level != Level::Error)
            continue;
        text += first ? "" : ", ";
        first = false;
        text += "{\"level\": " + json(levelName(finding.level))
                + ", \"file\": " + (finding.file.empty() ? "null" : json(finding.file))
                + ", \"reason\": " + json(finding.reason);
        if (finding.colourEntry)
            text += ", \"colourEntry\": " + std::to_string(*finding.colourEntry);
        if (!finding.regionSection.empty())
            text += ", \"regionSection\": " + json(finding.regionSection);
        if (finding.polygon)
            text += ", \"polygon\": " + std::to_string(*finding.polygon);
        text += '}';
    }
    return text + "]}\n";
}

} // namespace skincheck
