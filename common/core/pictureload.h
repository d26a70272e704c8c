#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <string_view>

namespace kit {

struct PictureLoad
{
    enum class Error { None, Unreadable, NotAPicture };

    QImage image;         // null unless error is None
    Error error = Error::None;
    QString reason;       // why the file could not be read, for Unreadable
    QByteArray format;    // the decoder's name for what the content is: "bmp", "jpeg", "gif", ...
};

// Decodes `bytes` by their content, whatever the file was called. Data that no
// decoder takes, and a picture whose data ends before its structure says it
// does (see isWholePicture), give NotAPicture; a JPEG that lacks only its end
// marker is read when its last scan decodes whole. Every pixel of a decoded
// picture is defined, the same on every load: pixels that a BMP's run-length
// data skips or never reaches take palette index 0, and the part of a GIF's
// screen outside its first image takes the background colour.
PictureLoad decodePicture(std::string_view bytes);

// Reads the regular file at `path`, of at most `sizeLimit` bytes, and decodes it
// as decodePicture does. A file that cannot be read, or that is not a regular
// file or too large, gives Unreadable with the system's reason.
PictureLoad loadPicture(const QString& path, std::uintmax_t sizeLimit);

} // namespace kit
