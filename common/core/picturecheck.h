#pragma once

#include <string_view>

// Whether a picture file holds all the data its own structure promises, before
// any decoder sees it. Decoders fill the rows of a picture that ends early with
// black or with whatever memory held, differently on each load; the kit refuses
// such files instead.
namespace kit {

enum class PictureFormat { Bmp, Jpeg, Gif, Png, Other };

// The format the first bytes announce, whatever the file is called.
PictureFormat pictureFormatOf(std::string_view bytes);

// How each format proves that it is whole:
// - BMP: the headers, the colour table and every row (or, compressed, the data
//   size the header gives, or the run-length data up to its end-of-picture
//   code) lie within the bytes.
// - JPEG: the marker segments lead, through every scan, to the end-of-image
//   marker.
// - GIF: the blocks lead to the trailer byte.
// - PNG: the chunks, each within the bytes, lead to the end chunk.
// Other formats are left to their decoders and count as whole. Bytes after the
// end of a whole picture do not matter.
bool isWholePicture(std::string_view bytes);

} // namespace kit
