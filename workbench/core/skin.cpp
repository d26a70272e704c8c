#include "workbench/core/skin.h"

#include "common/core/pictureload.h"
#include "common/core/skinsource.h"
#include "common/core/textconversion.h"
#include "workbench/core/pixels.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tessel {
namespace {

SkinLoadError errorOf(kit::PictureLoad::Error error)
{
    switch (error) {
    case kit::PictureLoad::Error::None: return SkinLoadError::None;
    // A bitmap far larger than any skin's is not read; the player could not use it either.
    case kit::PictureLoad::Error::NotAPicture:
    case kit::PictureLoad::Error::TooLarge: return SkinLoadError::NotAPicture;
    case kit::PictureLoad::Error::Unreadable: break;
    }
    return SkinLoadError::Unreadable;
}

} // namespace

SkinLoad LoadSkin(const kit::SkinSource& skin)
{
    SkinLoad load;
    for (int file = 0; file < kSkinFileCount; ++file) {
        const std::string_view name = kSkinFileNames[static_cast<size_t>(file)];
        QImage& picture = load.pictures.images[static_cast<size_t>(file)];
        SkinLoadError error = SkinLoadError::Missing;
        QString shownName;
        if (const kit::SkinMember* member = skin.find(name)) {
            // A folder's path is named as the file system gives it, whatever its bytes.
            shownName = skin.isArchive() ? kit::toQString(skin.memberDisplayName(*member))
                                         : kit::fromPath(skin.path() / member->storedName);
            if (const kit::SkinRead read = skin.read(*member); read.error.empty()) {
                const kit::PictureLoad decoded = kit::decodePicture(read.bytes, kit::kLargestSkinBitmap);
                error = errorOf(decoded.error);
                if (error == SkinLoadError::None)
                    picture = decoded.image.convertToFormat(QImage::Format_RGB32);
            } else {
                error = SkinLoadError::Unreadable;
            }
        } else if (skin.isArchive()) {
            shownName = kit::toQString(skin.displayName()) + QStringLiteral(": ") + QLatin1String(name);
        } else {
            shownName = kit::fromPath(skin.path() / std::string(name));
        }
        if (picture.isNull() && load.failedFile < 0) {
            load.failedFile = file;
            load.error = error;
            load.failedPath = shownName;
        }
    }
    return load;
}

SkinLoad LoadSkin(const QString& skinPath)
{
    const kit::SkinOpen opened = kit::SkinSource::open(kit::toPath(skinPath));
    if (!opened.skin) {
        SkinLoad load;
        load.error = SkinLoadError::SkinRefused;
        load.refusal = kit::toQString(opened.message);
        return load;
    }
    return LoadSkin(*opened.skin);
}

bool isSkinArchive(const QString& path) { return kit::isSkinArchiveName(kit::toPath(path)); }

QString skinTitleName(const QString& skinPath)
{
    return QFileInfo(QDir::cleanPath(skinPath)).fileName();
}

QString skinLoadMessage(const SkinLoad& load)
{
    switch (load.error) {
    case SkinLoadError::None: return {};
    case SkinLoadError::NotAPicture:
        return QStringLiteral("Unrecognized BMP Format: ") + load.failedPath + QStringLiteral("\r\nResave file in a BMP editor.");
    case SkinLoadError::SkinRefused: return QStringLiteral("Tessel could not open the skin ") + load.refusal + QLatin1Char('.');
    case SkinLoadError::Missing:
    case SkinLoadError::Unreadable: break;
    }
    return QStringLiteral("An Error occured while loading skin, Not all bmps were found in the directory specified.");
}

Channel channelFromText(const QString& text)
{
    if (text == QLatin1String("Stereo"))
        return Channel::Stereo;
    if (text == QLatin1String("Mono"))
        return Channel::Mono;
    return Channel::Off;
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

int knobLeft(int pointerX, int grabX) { return std::clamp(pointerX - grabX, kKnobLeftmost, kKnobRightmost); }

} // namespace tessel
