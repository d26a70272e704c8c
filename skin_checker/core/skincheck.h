#pragma once

#include "skin_checker/core/findings.h"

#include <filesystem>
#include <string>

namespace kit {
class SkinSource;
}

// The skin checker: what the player will make of a skin, told before it ships.
//
// Rules the checks follow (each finding's reason says which one it met):
// - The player reads these files of the skin's folder, in any case: the bitmaps
//   main, cbuttons, titlebar, shufrep, text, volume, balance, monoster,
//   playpaus, numbers, nums_ex, posbar, eqmain, eq_ex, pledit, gen, genex, mb
//   and video (each .bmp); region.txt, Tessel.txt (the visualization colours)
//   and pledit.txt; and its cursors (*.cur). Every other file is a note.
//   Knapro's whole pictures of the three windows (window-main.bmp, eq.bmp and
//   the others of skinWindowNames) are the kit's own; the note says so.
// - Bitmaps are measured against the rectangles the kit cuts from them: the
//   skin preview's pieces for the ten bitmaps of the main window, every digit
//   and glyph included, and the element table for the three window pictures.
//   The player's sheets have fixed sizes (cbuttons.bmp 136 x 36 and so on); a
//   piece reaching past that size counts only up to it, so a sheet of the
//   player's size is never short. A bitmap missing part of a piece is an error
//   naming what is cut off; one larger than the player's size a note; a PNG,
//   JPEG or GIF under a .bmp name a warning, since the player reads only BMP.
// - region.txt is read the way Windows reads initialization files (see
//   inifile.h), in its four sections. Each polygon needs three corners and its
//   count's worth of points; corners lie between 0 and the window's width and
//   height. A region whose polygons show no pixel, filled together as the
//   player fills them (kit::windingMask, by which Tessel's Show Shape draws
//   too), would hide its window: an error; a polygon that shows nothing even
//   on its own, a warning.
// - Tessel.txt is read by the kit's colour-line rules, for the player's 24
//   entries (Tessel edits the first 23; the player reads one line more). A line the rules cannot read is an
//   error; fewer entries and values outside 0 to 255, or not whole, warnings.
// - pledit.txt needs [Text] with Normal, Current, NormalBG and SelectedBG as
//   #RRGGBB and a Font; anything missing or malformed is a warning.
// - A text file larger than 4 MB is no skin file and is not read: an error.
//   A file with more than a hundred findings lists the first hundred and one
//   finding more for the rest (see FindingList).
namespace skincheck {

// Checks the skin at `path`, a folder or a .wsz or .zip archive, naming it
// `name` in the report. A skin that cannot be read at all gives an unreadable
// report with one error that says why.
SkinReport checkSkinAt(const std::filesystem::path& path, std::string name);

SkinReport checkSkin(const kit::SkinSource& skin, std::string name);

} // namespace skincheck
