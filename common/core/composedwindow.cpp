#include "common/core/composedwindow.h"

#include "common/core/pictureload.h"
#include "common/core/pixelcopy.h"
#include "common/core/skinsource.h"
#include "common/core/textconversion.h"

namespace kit {

SkinBitmaps readSkinBitmaps(const SkinSource& skin)
{
    SkinBitmaps bitmaps;
    for (size_t file = 0; file < kSkinFileNames.size(); ++file) {
        const std::string_view name = kSkinFileNames[file];
        SkinBitmapRead& read = bitmaps.reads[file];
        if (const SkinMember* member = skin.find(name)) {
            read.shownName = skin.isArchive() ? toQString(skin.memberDisplayName(*member))
                                              : fromPath(skin.path() / member->storedName);
            read.outcome = SkinBitmapRead::Outcome::Unreadable;
            const SkinRead bytes = skin.read(*member);
            read.reason = toQString(bytes.error);
            if (bytes.error.empty()) {
                const PictureLoad decoded = decodePicture(bytes.bytes, kLargestSkinBitmap);
                if (decoded.error == PictureLoad::Error::None) {
                    read.outcome = SkinBitmapRead::Outcome::Loaded;
                    bitmaps.pictures.images[file] = decoded.image.convertToFormat(QImage::Format_RGB32);
                } else if (decoded.error == PictureLoad::Error::NotAPicture
                           || decoded.error == PictureLoad::Error::TooLarge) {
                    // A bitmap far larger than any skin's is not read; the player could not use it either.
                    read.outcome = SkinBitmapRead::Outcome::NotAPicture;
                } else {
                    read.reason = decoded.reason;
                }
            }
        } else if (skin.isArchive()) {
            read.shownName = toQString(skin.displayName()) + QStringLiteral(": ") + QLatin1String(name);
        } else {
            read.shownName = fromPath(skin.path() / std::string(name));
        }
    }
    return bitmaps;
}

bool holdsMainWindowPieces(const SkinSource& skin)
{
    for (size_t file = 0; file < kSkinFileNames.size(); ++file)
        if (static_cast<SkinFile>(file) != SkinFile::Main)
            if (const SkinMember* member = skin.find(kSkinFileNames[file]); member && !member->directory)
                return true;
    return false;
}

QImage DrawMainWindow(const SkinPictures& skin, const MainWindowLook& look)
{
    QImage window = blankPicture(kMainWindowSize);
    const QImage& main = skin[SkinFile::Main];
    copyPixels(main, main.rect(), window, {0, 0});
    for (const SkinPiece& piece : mainWindowPieces(look))
        copyPixels(skin[piece.source], piece.from, window, piece.to);
    return window;
}

} // namespace kit
