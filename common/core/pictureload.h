#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <string_view>

namespace kit {

struct PictureLoad
{
    enum class Error { None, Unreadable, NotAPicture, TooLarge };

    QImage image;         // null unless error is None
    Error error = Error::None;
    QString reason;       // why the file could not be read, for Unreadable
    QByteArray format;    // the decoder's name for what the content is: "bmp", "jpeg", "gif", ...
    QSize size;           // the picture's size as its header gives it, for None and TooLarge
};

// No bitmap of a skin is larger than 344 x 433 (volume.bmp); a picture beyond
// this is no skin bitmap, however few bytes it takes to claim it.
inline constexpr QSize kLargestSkinBitmap {2048, 2048};

// Decodes `bytes` by their content, whatever the file was called. Data that no
// decoder takes, and a picture whose data ends before its structure says it
// does (see isWholePicture), give NotAPicture; a JPEG that lacks only its end
// marker is read when its last scan decodes whole. Every pixel of a decoded
// picture is defined, the same on every load: pixels that a BMP's run-length
// data skips or never reaches take palette index 0, and the part of a GIF's
// screen outside its first image takes the background colour.
//
// A picture wider or taller than `largest` gives TooLarge and its size, from
// its header, before any pixel is decoded or any memory is taken for them: a
// file of a few bytes may claim millions of pixels. So does a GIF whose first
// image reaches beyond `largest`. A picture whose header tells no size is not
// decoded either, and gives NotAPicture.
PictureLoad decodePicture(std::string_view bytes, QSize largest);

// Reads the regular file at `path`, of at most `sizeLimit` bytes, and decodes it
// as decodePicture does. A file that cannot be read, or that is not a regular
// file or too large, gives Unreadable with the system's reason.
PictureLoad loadPicture(const QString& path, std::uintmax_t sizeLimit, QSize largest);

} // namespace kit
