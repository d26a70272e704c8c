#include "picture.h"

#include <QImageReader>

namespace knapro {

LoadedPicture loadPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    // The player's skins use only these; other formats Qt could read are refused
    // so that the builder accepts the same files everywhere.
    if (format != "bmp" && format != "jpeg" && format != "gif") {
        const QString reason = reader.errorString();
        return {QImage(), reason.isEmpty() ? QStringLiteral("Unsupported image format") : reason};
    }
    QImage image = reader.read();
    if (image.isNull())
        return {QImage(), reader.errorString()};
    return {image.convertToFormat(QImage::Format_ARGB32), QString()};
}

bool hasWindowSize(const QImage& picture)
{
    return picture.width() == kPictureWidth && picture.height() == kPictureHeight;
}

QImage cutElement(const QImage& picture, const ElementRect& cut)
{
    return picture.copy(cut.intX, cut.intY, cut.intWidth, cut.intHeight);
}

} // namespace knapro
