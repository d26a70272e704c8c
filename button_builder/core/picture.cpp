#include "button_builder/core/picture.h"

#include "common/core/pictureload.h"

namespace knapro {

QImage loadPicture(const QString& path)
{
    const kit::PictureLoad load = kit::loadPicture(path, kPictureFileSizeLimit);
    // The player's skins use only these; other formats Qt could read are refused
    // so that the builder accepts the same files everywhere.
    if (load.error != kit::PictureLoad::Error::None
        || (load.format != "bmp" && load.format != "jpeg" && load.format != "gif"))
        return QImage();
    return load.image.convertToFormat(QImage::Format_ARGB32);
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
