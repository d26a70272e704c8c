#pragma once

#include <QImage>

#include <string>

namespace knapro {

// The bytes of a Windows bitmap file holding `picture`: a 14-byte file header, a
// 40-byte information header, then the rows bottom-up as blue, green, red bytes,
// each row padded with zero bytes to a multiple of four. 24 bits per pixel, no
// compression, no colour table, 96 dots per inch. Every pixel's red, green and blue
// are written exactly as they are; alpha is dropped. A null picture gives a 0 x 0 file.
std::string bmpFileBytes(const QImage& picture);

} // namespace knapro
