#pragma once

#include "skin_checker/core/findings.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kit {
class SkinSource;
struct SkinMember;
} // namespace kit

// The checks of each kind of file, for skincheck.cpp to run in turn.
namespace skincheck {

// The findings of one skin. A file that yields more than kMostPerFile gets one
// finding more instead of the rest, saying how many were left out, at the worst
// level among them, so that a file of a million broken polygons stays readable
// and small in memory and still decides the exit status.
class FindingList
{
public:
    static constexpr size_t kMostPerFile = 100;

    // The finding to fill in; one past the bound is a stand-in that is dropped.
    Finding& add(Level level, std::string file, std::string reason);
    // Every finding kept, in order, then one for each file that had more.
    std::vector<Finding> take();

private:
    struct LeftOut
    {
        size_t count = 0;
        Level worst = Level::Note;
    };
    std::vector<Finding> m_findings;
    std::map<std::string, size_t> m_perFile;
    std::map<std::string, LeftOut> m_leftOut;
    Finding m_dropped;
};

struct Checking
{
    const kit::SkinSource& skin;
    FindingList& findings;

    Finding& add(Level level, std::string file, std::string reason)
    {
        return findings.add(level, std::move(file), std::move(reason));
    }
    // The member called `name` in the skin's folder, unless it is missing or
    // refused (refusals are reported once, with the skin's structure).
    const kit::SkinMember* usable(std::string_view name) const;
    // Its bytes, or nothing after an error finding saying why they could not be read.
    bool read(const kit::SkinMember& member, std::string& bytes);
};

// Whether the player reads the file called `name` in the skin's folder.
bool playerReads(std::string_view name);

// Up to 30 characters of `text` for a reason, anything but printable ASCII as "?".
std::string shown(std::string_view text);

// "a", "a and b", "a, b and c"; past `most` names, "and N others".
std::string listed(const std::vector<std::string>& names, size_t most = 8);

void checkBitmaps(Checking& checking);
void checkRegionFile(Checking& checking);
void checkColourFile(Checking& checking);
void checkPlaylistFile(Checking& checking);

// The checks of the three text files on their text, the file named `file` in
// the findings.
void checkRegionText(std::string_view text, const std::string& file, FindingList& findings);
void checkColourText(std::string_view text, const std::string& file, FindingList& findings);
void checkPlaylistText(std::string_view text, const std::string& file, FindingList& findings);

} // namespace skincheck
