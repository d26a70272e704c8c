#pragma once

#include "common/testing/ziparchive.h"
#include "skin_checker/core/findings.h"

#include <string>
#include <vector>

// Small skins made here, each with one known fault, and the finding it must
// give; the files come from the kit's own writers where the kit writes them.
namespace skincheck::corpus {

using Files = std::vector<kit::testing::ZipEntry>;

// A BMP of `width` x `height` with a few colours.
std::string bitmap(int width, int height);

// A clean skin: the ten bitmaps at the player's sizes, a region from Plevo's
// writer, 24 colours from Knapro's random colour writer and playlist colours.
Files cleanSkin();

// Region files as the kit's two writers write them: Plevo's one polygon, with
// its comment block and CR LF line ends, and Tessel's several polygons, with
// its comment line and no line end after the last.
std::string plevoRegionFile(const std::vector<std::pair<int, int>>& points);
std::string tesselRegionFile(const std::vector<std::vector<std::pair<int, int>>>& polygons);

struct CorpusSkin
{
    const char* name;       // "short_cbuttons.wsz"
    std::string archive;
    // The worst finding it gives; none for a skin that must give nothing above
    // a note, and an error without a file for one that cannot be read.
    std::optional<Level> level;
    std::string file;
    std::string reason;     // a part of the reason
};

std::vector<CorpusSkin> corpus();

} // namespace skincheck::corpus
