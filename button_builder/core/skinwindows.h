#pragma once

#include "button_builder/core/elementtable.h"
#include "common/core/composedwindow.h"

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
    // Loaded: a whole picture of the window. Composed: the main window put
    // together from the skin's bitmaps, as the player shows it. Background:
    // the equalizer's background from eqmain.bmp, without its elements.
    // TooLarge: larger than a window (eqmain.bmp: than any skin bitmap), and not read.
    enum class Outcome { Loaded, Composed, Background, Missing, Unreadable, NotAPicture, TooLarge };
    Outcome outcome = Outcome::Missing;
    QImage picture; // Loaded, Composed, Background: 32-bit ARGB, whatever its size
    QSize size;     // Loaded and TooLarge: the picture's size
    QString member; // how messages name the member it came from
    QString reason; // Unreadable: why
    // Composed: how each of the ten bitmaps was read.
    std::array<kit::SkinBitmapRead, kit::kSkinFileCount> bitmaps;
};

using SkinWindowPictures = std::array<SkinWindowPicture, kTabCount>;

// Each tab's picture, looked for under skinWindowNames(tab) in order. A skin's
// main.bmp is only the main window's background: where the skin also holds any
// of the bitmaps drawn over it (cbuttons.bmp, titlebar.bmp, ...), the main tab
// shows the window composed from them all. Where it holds none, main.bmp is
// taken as a whole picture of the window, as Knapro's Open names it. The
// equalizer's eqmain.bmp gives its background only, and the player keeps the
// playlist editor in pieces that are not put together here.
SkinWindowPictures readSkinWindowPictures(const kit::SkinSource& skin);

// What Open Skin tells the author, one line a tab: which tabs it could not fill
// and why, the pictures it filled them with that elements cannot be cut from,
// how the main window was composed and from which bitmaps, and what a
// background lacks. Empty when every tab holds a whole picture of 275 x 116.
QString skinWindowReport(const kit::SkinSource& skin, const SkinWindowPictures& pictures);

// Whether every tab holds a picture that elements can be cut from, and no
// bitmap of a composed window failed: the report then only informs.
bool skinWindowsComplete(const SkinWindowPictures& pictures);

} // namespace knapro
