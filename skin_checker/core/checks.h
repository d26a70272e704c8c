#pragma once

#include "skin_checker/core/findings.h"

#include <string>
#include <string_view>
#include <vector>

namespace kit {
class SkinSource;
struct SkinMember;
} // namespace kit

// The checks of each kind of file, for skincheck.cpp to run in turn.
namespace skincheck {

Finding& addFinding(std::vector<Finding>& findings, Level level, std::string file, std::string reason);

struct Checking
{
    const kit::SkinSource& skin;
    std::vector<Finding>& findings;

    Finding& add(Level level, std::string file, std::string reason)
    {
        return addFinding(findings, level, std::move(file), std::move(reason));
    }
    // The member called `name` in the skin's folder, unless it is missing or
    // refused (refusals are reported once, with the skin's structure).
    const kit::SkinMember* usable(std::string_view name) const;
    // Its bytes, or nothing after an error finding saying why they could not be read.
    bool read(const kit::SkinMember& member, std::string& bytes);
};

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
void checkRegionText(std::string_view text, const std::string& file, std::vector<Finding>& findings);
void checkColourText(std::string_view text, const std::string& file, std::vector<Finding>& findings);
void checkPlaylistText(std::string_view text, const std::string& file, std::vector<Finding>& findings);

} // namespace skincheck
