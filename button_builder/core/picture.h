#pragma once

#include "button_builder/core/elementtable.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string_view>

namespace knapro {

// A player window's picture is about 100 KB; a photo opened by mistake still
// loads, to be refused for its size, but nothing larger than this is read.
inline constexpr std::uintmax_t kPictureFileSizeLimit = 64u << 20;

// A picture as Knapro opens it, as 32-bit ARGB. `image` is null for any file but
// a BMP, JPEG or GIF (told apart by its contents, not by its name), one that
// cannot be read or decoded, and one whose data ends before its own structure
// says it does. A picture larger than Knapro takes is not decoded at all: its
// image is null too, but `size` holds the size its header gives, so that the
// author is told it.
struct OpenedPicture
{
    QImage image;
    QSize size;
};

// A picture file, taken up to the size of a player window, 275 x 116.
OpenedPicture loadPicture(const QString& path);
// A picture already in memory, such as a member of a skin archive, up to `largest`.
OpenedPicture decodePicture(std::string_view bytes, QSize largest);

// The same rectangle in Qt's terms.
inline QRect toQRect(const ElementRect& r) { return {r.intX, r.intY, r.intWidth, r.intHeight}; }

// Whether `picture` has the size of a player window, 275 x 116.
bool hasWindowSize(const QImage& picture);

// The pixels of `cut` out of `picture`, unchanged and at 1:1. Parts of the
// rectangle outside the picture come out transparent black.
QImage cutElement(const QImage& picture, const ElementRect& cut);

} // namespace knapro
