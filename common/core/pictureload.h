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
// does (see isWholePicture), give NotAPicture.
PictureLoad decodePicture(std::string_view bytes);

// Reads the regular file at `path`, of at most `sizeLimit` bytes, and decodes it
// as decodePicture does. A file that cannot be read, or that is not a regular
// file or too large, gives Unreadable with the system's reason.
PictureLoad loadPicture(const QString& path, std::uintmax_t sizeLimit);

} // namespace kit
