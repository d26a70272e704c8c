#include "workbench/skinreading/skinreading.h"

#include "common/core/pictureload.h"
#include "common/core/skinsource.h"
#include "common/core/textconversion.h"
#include "skin_checker/core/skincheck.h"

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
                const kit::PictureLoad decoded = kit::decodePicture(read.bytes);
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


namespace {

skincheck::SkinReport checkSkin(const QString& skinPath, const std::string& name)
{
    return skincheck::checkSkinAt(kit::toPath(skinPath), name);
}

kit::SkinRead readSkinFile(const QString& skinPath, std::string_view name)
{
    const kit::SkinOpen opened = kit::SkinSource::open(kit::toPath(skinPath));
    if (!opened.skin)
        return {{}, opened.message};
    const kit::SkinMember* member = opened.skin->find(name);
    if (member == nullptr)
        return {{}, std::string(name) + " is missing"};
    return opened.skin->read(*member);
}

SkinLoad loadSkinAt(const QString& skinPath) { return LoadSkin(skinPath); }

constexpr SkinReading kReading {kSkinReadingInterface, &loadSkinAt, &checkSkin, &readSkinFile};

} // namespace

} // namespace tessel

const tessel::SkinReading* tessel_skin_reading() { return &tessel::kReading; }
