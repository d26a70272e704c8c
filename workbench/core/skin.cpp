#include "workbench/core/skin.h"

#include "common/core/skinsource.h"
#include "common/core/textconversion.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tessel {
namespace {

SkinLoadError errorOf(kit::SkinBitmapRead::Outcome outcome)
{
    switch (outcome) {
    case kit::SkinBitmapRead::Outcome::Loaded: return SkinLoadError::None;
    case kit::SkinBitmapRead::Outcome::Missing: return SkinLoadError::Missing;
    case kit::SkinBitmapRead::Outcome::NotAPicture: return SkinLoadError::NotAPicture;
    case kit::SkinBitmapRead::Outcome::Unreadable: break;
    }
    return SkinLoadError::Unreadable;
}

} // namespace

SkinLoad LoadSkin(const kit::SkinSource& skin)
{
    const kit::SkinBitmaps bitmaps = kit::readSkinBitmaps(skin);
    SkinLoad load;
    load.pictures = bitmaps.pictures;
    for (int file = 0; file < kSkinFileCount && load.failedFile < 0; ++file) {
        if (!load.pictures.images[static_cast<size_t>(file)].isNull())
            continue;
        const kit::SkinBitmapRead& read = bitmaps.reads[static_cast<size_t>(file)];
        load.failedFile = file;
        load.error = errorOf(read.outcome);
        load.failedPath = read.shownName;
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

int knobLeft(int pointerX, int grabX) { return std::clamp(pointerX - grabX, kKnobLeftmost, kKnobRightmost); }

} // namespace tessel
