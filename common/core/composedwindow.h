#pragma once

#include "common/core/skinpieces.h"

#include <QImage>
#include <QString>

#include <array>

// The player's main window as a skin draws it, put together from the skin's ten
// bitmaps by the kit's piece table. Tessel's skin preview, Knapro's Open Skin
// and Plevo's skin opening all show this one composition.
namespace kit {

class SkinSource;

// The ten pictures of a skin, Format_RGB32; one that did not load is a null image.
struct SkinPictures
{
    std::array<QImage, kSkinFileCount> images;

    const QImage& operator[](SkinFile file) const { return images[static_cast<size_t>(file)]; }
    QImage& operator[](SkinFile file) { return images[static_cast<size_t>(file)]; }
};

// How one of the ten bitmaps was read.
struct SkinBitmapRead
{
    enum class Outcome { Loaded, Missing, Unreadable, NotAPicture };
    Outcome outcome = Outcome::Missing;
    // How messages name it: a folder's file by its full path as the file system
    // gives it, an archive's member as "Blue.wsz: Blue/text.bmp"; a missing one
    // by the path or "Blue.wsz: text.bmp" it was looked for under.
    QString shownName;
    QString reason; // Unreadable: why
};

struct SkinBitmaps
{
    SkinPictures pictures;
    std::array<SkinBitmapRead, kSkinFileCount> reads;
};

// Reads the ten bitmaps of `skin`, each by its name in any case. Every file is
// tried, whatever happens to the others; BMP, JPEG, GIF or any other picture Qt
// decodes is taken by its content, whatever its name says. A file whose data
// ends before its own structure says it does is no picture.
SkinBitmaps readSkinBitmaps(const SkinSource& skin);

// Whether `skin` holds any of the nine bitmaps whose pieces are drawn over
// main.bmp, whether or not they can be read.
bool holdsMainWindowPieces(const SkinSource& skin);

// The main window: main.bmp (black where it is missing) with every piece of
// mainWindowPieces copied over it. Pieces from pictures that did not load draw
// nothing.
QImage DrawMainWindow(const SkinPictures& skin, const MainWindowLook& look);

} // namespace kit
