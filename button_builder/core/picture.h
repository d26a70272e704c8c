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

// Loads a BMP, JPEG or GIF file, told apart by its contents, not by its name. Any
// other file, one that cannot be read or decoded, and one whose data ends before
// its own structure says it does, give a null image. The picture comes back as
// 32-bit ARGB, whatever its size.
QImage loadPicture(const QString& path);
// The same for a picture already in memory, such as a member of a skin archive.
QImage decodePicture(std::string_view bytes);

// The same rectangle in Qt's terms.
inline QRect toQRect(const ElementRect& r) { return {r.intX, r.intY, r.intWidth, r.intHeight}; }

// Whether `picture` has the size of a player window, 275 x 116.
bool hasWindowSize(const QImage& picture);

// The pixels of `cut` out of `picture`, unchanged and at 1:1. Parts of the
// rectangle outside the picture come out transparent black.
QImage cutElement(const QImage& picture, const ElementRect& cut);

} // namespace knapro
