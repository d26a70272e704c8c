#pragma once

#include <QImage>

// Plain copies between 32-bit pictures (QImage::Format_RGB32), the way a skin's
// windows are put together: source pixels as they are, no blending.
namespace kit {

// A black picture of `size` in the format every function here expects.
QImage blankPicture(QSize size);

// Copies the `from` rectangle of `source` to `target` with its top left at `to`.
// Whatever lies outside either picture is left out, so a piece missing from a
// small or empty source simply draws nothing. Both pictures are Format_RGB32.
void copyPixels(const QImage& source, const QRect& from, QImage& target, QPoint to);

} // namespace kit
