#include "picture.h"

#include <QImageReader>

namespace knapro {

QImage loadPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    // The player's skins use only these; other formats Qt could read are refused
    // so that the builder accepts the same files everywhere.
    if (format != "bmp" && format != "jpeg" && format != "gif")
        return QImage();
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

bool hasWindowSize(const QImage& picture)
{
    return picture.width() == kPictureWidth && picture.height() == kPictureHeight;
}

QImage cutElement(const QImage& picture, const ElementRect& cut)
{
    return picture.copy(toQRect(cut));
}

} // namespace knapro
