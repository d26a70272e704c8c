// Any bytes read as region.txt, as pledit.txt and as Tessel.txt: every
// finding names the file and gives a reason, points only at an entry, section
// or polygon that exists, and a colour entry the checker reads matches the
// value the kit's colour table takes from the same text.
#include "common/core/colourlines.h"
#include "skin_checker/core/checks.h"
#include "skin_checker/core/regionshape.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

void requireSound(const std::vector<skincheck::Finding>& findings, const std::string& file)
{
    const auto windows = skincheck::regionWindows();
    for (const skincheck::Finding& finding : findings) {
        require(finding.file == file && !finding.reason.empty());
        require(!finding.colourEntry || (*finding.colourEntry >= 0 && *finding.colourEntry <= 24));
        require(!finding.polygon || *finding.polygon >= 0);
        require(finding.regionSection.empty()
                || std::any_of(windows.begin(), windows.end(),
                               [&](const auto& window) { return window.section == finding.regionSection; }));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char* file : {"region.txt", "pledit.txt", "Tessel.txt"}) {
        skincheck::FindingList findings;
        const std::string name = file;
        if (name == "region.txt")
            skincheck::checkRegionText(text, name, findings);
        else if (name == "pledit.txt")
            skincheck::checkPlaylistText(text, name, findings);
        else
            skincheck::checkColourText(text, name, findings);
        const std::vector<skincheck::Finding> kept = findings.take();
        require(kept.size() <= skincheck::FindingList::kMostPerFile + 1);
        requireSound(kept, name);
    }

    const kit::ColourTable table = kit::colourTableFromText(text);
    const auto lines = kit::readColourLines(text, kit::kColourEntries);
    for (size_t entry = 0; entry < table.size(); ++entry)
        for (size_t c = 0; c < 3; ++c) {
            const double value = entry < lines.size() ? lines[entry].values[c] : 0.0;
            require(value == table[entry][c] || (std::isnan(value) && std::isnan(table[entry][c])));
        }
    return 0;
}
