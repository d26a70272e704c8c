#include "button_builder/core/picture.h"

#include "common/core/pictureload.h"

namespace knapro {

namespace {

QImage acceptedPicture(const kit::PictureLoad& load)
{
    // The player's skins use only these; other formats Qt could read are refused
    // so that the builder accepts the same files everywhere.
    if (load.error != kit::PictureLoad::Error::None
        || (load.format != "bmp" && load.format != "jpeg" && load.format != "gif"))
        return QImage();
    return load.image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage loadPicture(const QString& path) { return acceptedPicture(kit::loadPicture(path, kPictureFileSizeLimit)); }

QImage decodePicture(std::string_view bytes) { return acceptedPicture(kit::decodePicture(bytes)); }

bool hasWindowSize(const QImage& picture)
{
    return picture.width() == kPictureWidth && picture.height() == kPictureHeight;
}

QImage cutElement(const QImage& picture, const ElementRect& cut)
{
    return picture.copy(toQRect(cut));
}

} // namespace knapro
