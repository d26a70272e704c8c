#include "skin_checker/core/inifile.h"

#include <algorithm>

namespace skincheck {
namespace {

std::string_view trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::vector<IniSection> readIniFile(std::string_view text)
{
    std::vector<IniSection> sections;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find_first_of("\r\n");
        const std::string_view line = trimmed(text.substr(0, end));
        size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end != std::string_view::npos && text[end] == '\r' && next < text.size() && text[next] == '\n')
            ++next;
        text.remove_prefix(next);

        if (line.starts_with('[')) {
            const size_t close = line.find(']');
            sections.push_back({trimmed(line.substr(1, close == std::string_view::npos ? line.npos : close - 1)),
                                lineNumber, {}});
        } else if (!sections.empty() && !line.starts_with(';')) {
            if (const size_t equals = line.find('='); equals != std::string_view::npos)
                sections.back().entries.push_back(
                    {trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)), lineNumber});
        }
    }
    return sections;
}

bool sameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return lower(x) == lower(y); });
}

const IniSection* findSection(const std::vector<IniSection>& sections, std::string_view name)
{
    const auto found = std::find_if(sections.begin(), sections.end(),
                                    [name](const IniSection& section) { return sameName(section.name, name); });
    return found == sections.end() ? nullptr : &*found;
}

const IniEntry* findEntry(const IniSection& section, std::string_view key)
{
    const auto found = std::find_if(section.entries.begin(), section.entries.end(),
                                    [key](const IniEntry& entry) { return sameName(entry.key, key); });
    return found == section.entries.end() ? nullptr : &*found;
}

} // namespace skincheck
