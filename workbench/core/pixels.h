#pragma once

#include "common/core/pixelcopy.h"

#include <QImage>

// Plain pixel work on 32-bit pictures (QImage::Format_RGB32), the way the
// workbench composes and animates: copies of source pixels, no blending.
namespace tessel {

using kit::blankPicture;
using kit::copyPixels;

// Fills the rectangle `area` of `target`, clipped to the picture.
void fillPixels(QImage& target, const QRect& area, QRgb colour);

// Sets the pixel at `at` when it lies inside the picture.
void setPixel(QImage& target, QPoint at, QRgb colour);

// A one-pixel line from `from` to `to`, both ends included, clipped to the
// picture. Ends may lie anywhere in the int range: a line that leaves the
// picture is cut to it before any pixel is drawn, so it costs no more than its
// visible part.
void drawLine(QImage& target, QPoint from, QPoint to, QRgb colour);

// `source` at twice its size, the way the workbench's double-sized view makes
// it: row y goes to the rows 2y and 2y - 1, then column x to the columns 2x and
// 2x - 1. So the top row and the left column show only once (row -1 does not
// exist) and the last row and column of the result stay black.
QImage doubleSized(const QImage& source);

} // namespace tessel
