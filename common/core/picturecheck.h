#pragma once

#include <cstdint>
#include <optional>
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
//   code) lie within the bytes. Variants that decoders misread are refused as
//   well: colour masks behind anything but a Windows header or for other than
//   16 or 32 bits, and run-length data stored top-down.
// - JPEG: the marker segments lead, through every scan, to the end-of-image
//   marker.
// - GIF: the blocks lead to the trailer byte, or, with only that byte missing,
//   end right after a whole image; and the first image's compressed data fills
//   its whole frame, every code naming a string the decoder's table holds.
// - PNG: the chunks, each within the bytes, lead to the end chunk.
// Other formats are left to their decoders and count as whole. Bytes after the
// end of a whole picture do not matter.
bool isWholePicture(std::string_view bytes);

// A JPEG whose segments and scans are all there up to the end of the bytes but
// that lacks its two-byte end-of-image marker. Whether its last scan is whole
// only a decoder can tell (see decodePicture).
bool jpegLacksOnlyItsEndMarker(std::string_view bytes);

// Where a GIF's first image lies on its logical screen, and the colour the rest
// of the screen takes: the global colour table's entry for the background
// index, or black where the file has no such entry.
struct GifFrame
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::uint8_t background[3] = {0, 0, 0}; // red, green, blue
};
std::optional<GifFrame> gifFirstFrame(std::string_view bytes);

// The size that a BMP's or a GIF's own header claims, read by the kit itself
// since decoders tell it only within limits of their own, or not at all: a
// BMP's width and height (a top-down one's height counted as rows), and the
// larger of a GIF's logical screen and the far corner of its first image.
// Nothing for other formats or a header cut short.
struct ClaimedSize
{
    std::int64_t width = 0;
    std::int64_t height = 0;
};
std::optional<ClaimedSize> claimedSize(std::string_view bytes);

} // namespace kit
