#pragma once

#include "elementtable.h"

#include <QImage>
#include <QRect>
#include <QString>

namespace knapro {

// Loads a BMP, JPEG or GIF file, told apart by its contents, not by its name. Any
// other file, or one that cannot be decoded, gives a null image. The picture comes
// back as 32-bit ARGB, whatever its size.
QImage loadPicture(const QString& path);

// The same rectangle in Qt's terms.
inline QRect toQRect(const ElementRect& r) { return {r.intX, r.intY, r.intWidth, r.intHeight}; }

// Whether `picture` has the size of a player window, 275 x 116.
bool hasWindowSize(const QImage& picture);

// The pixels of `cut` out of `picture`, unchanged and at 1:1. Parts of the
// rectangle outside the picture come out transparent black.
QImage cutElement(const QImage& picture, const ElementRect& cut);

} // namespace knapro
