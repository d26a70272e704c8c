#include "workbench/core/skin.h"

#include "common/core/fileio.h"
#include "common/core/pictureload.h"
#include "common/core/textconversion.h"
#include "workbench/core/pixels.h"

#include <algorithm>

namespace tessel {
namespace {

SkinLoadError errorOf(kit::PictureLoad::Error error)
{
    switch (error) {
    case kit::PictureLoad::Error::None: return SkinLoadError::None;
    case kit::PictureLoad::Error::NotAPicture: return SkinLoadError::NotAPicture;
    case kit::PictureLoad::Error::Unreadable: break;
    }
    return SkinLoadError::Unreadable;
}

} // namespace

QString findSkinFile(const QString& directory, const QString& name)
{
    QStringList entries;
    for (const std::string& entry : kit::folderEntries(kit::toPath(directory), kit::EntryKind::File))
        entries << kit::fromPath(entry);
    entries.sort();
    if (entries.contains(name))
        return directory + name;
    const auto match = std::find_if(entries.begin(), entries.end(), [&name](const QString& entry) {
        return entry.compare(name, Qt::CaseInsensitive) == 0;
    });
    return match == entries.end() ? QString() : directory + *match;
}

SkinLoad LoadSkin(const QString& skinDirectory)
{
    SkinLoad load;
    for (int file = 0; file < kSkinFileCount; ++file) {
        const QString name = QString::fromLatin1(kSkinFileNames[static_cast<size_t>(file)]);
        QString path = findSkinFile(skinDirectory, name);
        SkinLoadError error = SkinLoadError::Missing;
        if (!path.isEmpty()) {
            const kit::PictureLoad picture = kit::loadPicture(path, kSkinFileSizeLimit);
            error = errorOf(picture.error);
            if (error == SkinLoadError::None)
                load.pictures.images[static_cast<size_t>(file)] = picture.image.convertToFormat(QImage::Format_RGB32);
        }
        if (load.pictures.images[static_cast<size_t>(file)].isNull() && load.failedFile < 0) {
            load.failedFile = file;
            load.error = error;
            load.failedPath = path.isEmpty() ? skinDirectory + name : path;
        }
    }
    return load;
}

QString skinLoadMessage(const SkinLoad& load)
{
    switch (load.error) {
    case SkinLoadError::None: return {};
    case SkinLoadError::NotAPicture:
        return QStringLiteral("Unrecognized BMP Format: ") + load.failedPath + QStringLiteral("\r\nResave file in a BMP editor.");
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
