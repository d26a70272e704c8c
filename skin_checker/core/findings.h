#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the skin checker says about a skin: findings, each with a level, the
// file it is about and a short reason, and where it points inside that file so
// that a window listing findings can select what a finding names.
namespace skincheck {

enum class Level { Note, Warning, Error };

std::string_view levelName(Level level); // "note", "warning", "error"

struct Finding
{
    Level level = Level::Note;
    // The member as the skin stores it ("Blue/cbuttons.bmp"), or the name
    // looked for when it is missing ("text.bmp"); empty for the skin as a whole.
    std::string file;
    std::string reason;
    // The colour entry a finding about the colour file names, from 0.
    std::optional<int> colourEntry;
    // The region section ("Normal", "Equalizer", "WindowShade", "EqualizerWS")
    // and the polygon in it, from 0, that a finding about the region file names.
    std::string regionSection;
    std::optional<int> polygon;
};

struct SkinReport
{
    std::string skin;      // as it was named to the checker
    bool readable = false; // false when the skin could not be read at all
    std::string folder;    // "Blue/" when the skin lies one folder deep in its archive or folder
    std::vector<Finding> findings;

    // The worst level among the findings; none for a skin without findings.
    std::optional<Level> worst() const;
};

// The status a linter ends with for `reports`: 3 when some skin could not be
// read at all, else 2 for an error, 1 for a warning, 0 for notes or nothing.
int exitStatus(const std::vector<SkinReport>& reports);

} // namespace skincheck
