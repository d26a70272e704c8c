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

struct SkinWindowPicture
{
    // TooLarge: larger than a window (eqmain.bmp: than any skin bitmap), and not read.
    enum class Outcome { Loaded, Missing, Unreadable, NotAPicture, TooLarge };
    Outcome outcome = Outcome::Missing;
    QImage picture; // Loaded: 32-bit ARGB, whatever its size
    QSize size;     // Loaded and TooLarge: the picture's size
    QString member; // how messages name the member it came from
    QString reason; // Unreadable: why
};

using SkinWindowPictures = std::array<SkinWindowPicture, kTabCount>;

// Each tab's picture, looked for under skinWindowNames(tab) in order.
SkinWindowPictures readSkinWindowPictures(const kit::SkinSource& skin);

// What Open Skin tells the author about the tabs it could not fill, and the
// pictures it filled them with that elements cannot be cut from: one line each.
// Empty when every tab holds a picture of 275 x 116.
QString skinWindowReport(const kit::SkinSource& skin, const SkinWindowPictures& pictures);

} // namespace knapro
