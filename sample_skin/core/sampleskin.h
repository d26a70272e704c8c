#pragma once

#include <QImage>

#include <string>
#include <vector>

// The kit's sample skin: a complete skin to try every program on, drawn here
// and written by the programs' own writers, the same bytes on every run.
namespace sample {

struct SkinFile
{
    std::string name;
    std::string bytes;
};

// The name the sample's folder and archive take.
inline constexpr const char* kSkinName = "KitSample";

// Every file of the skin, in a fixed order:
// - the ten bitmaps Tessel composes the main window from, in the classic
//   sizes, drawn in one palette;
// - Tessel.txt, the visualization colours: Tessel's colour file writer's 23
//   entries and the player's 24th;
// - Region.txt, the main window's outline as two polygons, from Tessel's
//   region file writer;
// - window-main.bmp, window-equalizer.bmp and window-playlist.bmp, 275 x 116
//   pictures of the player's three windows for Knapro's three tabs (and for
//   Plevo's picture): the main window as Tessel composes it, and the other two
//   with a distinct piece at every rectangle Knapro cuts (the kit's element table).
std::vector<SkinFile> sampleSkinFiles();

// The ten bitmaps as pictures, in Tessel's loading order.
std::vector<QImage> skinBitmaps();

} // namespace sample
