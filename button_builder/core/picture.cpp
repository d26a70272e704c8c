#include "button_builder/core/picture.h"

#include "common/core/pictureload.h"

namespace knapro {

namespace {

OpenedPicture acceptedPicture(const kit::PictureLoad& load)
{
    // The player's skins use only these; other formats Qt could read are refused
    // so that the builder accepts the same files everywhere.
    if (load.format != "bmp" && load.format != "jpeg" && load.format != "gif")
        return {};
    if (load.error == kit::PictureLoad::Error::TooLarge)
        return {QImage(), load.size};
    if (load.error != kit::PictureLoad::Error::None)
        return {};
    return {load.image.convertToFormat(QImage::Format_ARGB32), load.size};
}

} // namespace

OpenedPicture loadPicture(const QString& path)
{
    // A picture of the wrong size is still shown, beside the message that
    // names its size, so that the author sees what they opened; only one
    // larger than any skin bitmap is named from its header alone.
    return acceptedPicture(kit::loadPicture(path, kPictureFileSizeLimit, kit::kLargestSkinBitmap));
}

OpenedPicture decodePicture(std::string_view bytes, QSize largest)
{
    return acceptedPicture(kit::decodePicture(bytes, largest));
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
