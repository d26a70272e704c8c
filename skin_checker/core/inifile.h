#pragma once

#include <string_view>
#include <vector>

// The player reads region.txt and pledit.txt as Windows reads initialization
// files: "[Section]" lines open sections, "key=value" lines inside a section set
// keys, and the names of both are matched without regard to case. Blanks around
// names and values do not count; lines that begin with ";", lines before the
// first section and lines of any other form are passed over. Of two sections or
// two keys of one name the player takes the first.
namespace skincheck {

struct IniEntry
{
    std::string_view key;
    std::string_view value;
    int line = 0; // from 1
};

struct IniSection
{
    std::string_view name; // between the brackets
    int line = 0;
    std::vector<IniEntry> entries; // in file order, repeated keys too
};

// Every section in file order, repeated names too. Lines end with CR LF, LF or CR.
std::vector<IniSection> readIniFile(std::string_view text);

bool sameName(std::string_view a, std::string_view b); // ASCII letters in any case

// The first section called `name`, or null.
const IniSection* findSection(const std::vector<IniSection>& sections, std::string_view name);
// The first entry for `key`, or null.
const IniEntry* findEntry(const IniSection& section, std::string_view key);

} // namespace skincheck
