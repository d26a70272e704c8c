#pragma once

#include "button_builder/core/elementtable.h"

#include <QImage>
#include <QString>

#include <array>
#include <span>
#include <string_view>

namespace kit {
class SkinSource;
}

// Open Skin: the pictures of the player's three windows, taken from one skin in
// one step, one for each of Knapro's tabs.
namespace knapro {

// The names a tab's picture is looked for under, in order: the kit's name for a
// whole picture of the window (window-main.bmp, as the sample skin has them),
// Knapro's own name for it (the one its Open offers), then, for the equalizer,
// the player's own eqmain.bmp, whose top left 275 x 116 pixels are the equalizer
// window. The player's own bitmaps hold no whole picture of the playlist editor.
std::span<const std::string_view> skinWindowNames(int tab);

struct SkinWindowPicture
{
    enum class Outcome { Loaded, Missing, Unreadable, NotAPicture };
    Outcome outcome = Outcome::Missing;
    QImage picture; // Loaded: 32-bit ARGB, whatever its size
    QString member; // how messages name the member it came from
    QString reason; // Unreadable: why
};

using SkinWindowPictures = std::array<SkinWindowPicture, kTabCount>;

SkinWindowPictures readSkinWindowPictures(const kit::SkinSource& skin);

// What Open Skin tells the author about the tabs it could not fill, and the
// pictures it filled them with that elements cannot be cut from: one line each.
// Empty when every tab holds a picture of 275 x 116.
QString skinWindowReport(const kit::SkinSource& skin, const SkinWindowPictures& pictures);

} // namespace knapro
