#pragma once

#include <QBuffer>
#include <QImage>

#include <string>

namespace kit::testing {

// `picture` as the bytes of a file in `format` ("BMP", "PNG", "JPG"), for a test
// to put on disk or into an archive; empty when Qt cannot write that format.
inline std::string encodedPicture(const QImage& picture, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format))
        return {};
    return bytes.toStdString();
}

} // namespace kit::testing
