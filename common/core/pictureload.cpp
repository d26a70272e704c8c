#include "common/core/pictureload.h"

#include "common/core/fileio.h"
#include "common/core/picturecheck.h"
#include "common/core/textconversion.h"

#include <QBuffer>
#include <QImageReader>

namespace kit {

PictureLoad decodePicture(std::string_view bytes)
{
    PictureLoad load;
    load.error = PictureLoad::Error::NotAPicture;
    if (!isWholePicture(bytes))
        return load;

    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    load.format = reader.format();
    QImage image = reader.read();
    if (image.isNull())
        return load;
    load.image = std::move(image);
    load.error = PictureLoad::Error::None;
    return load;
}

PictureLoad loadPicture(const QString& path, std::uintmax_t sizeLimit)
{
    std::string bytes;
    if (const std::string reason = readWholeFile(toPath(path), bytes, sizeLimit); !reason.empty()) {
        PictureLoad load;
        load.error = PictureLoad::Error::Unreadable;
        load.reason = fromSystemText(reason);
        return load;
    }
    return decodePicture(bytes);
}

} // namespace kit
