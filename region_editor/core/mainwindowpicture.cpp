#include "region_editor/core/mainwindowpicture.h"

#include "common/core/composedwindow.h"
#include "common/core/pictureload.h"
#include "common/core/skinsource.h"
#include "common/core/textconversion.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <filesystem>

namespace plevo {
namespace {

constexpr QSize kMainWindowSize(275, 116);
// Far larger than any picture of the main window needs, even uncompressed.
constexpr std::uintmax_t kPictureFileLimit = 16u << 20;

// The skin that `path` is, or lies in: a folder, an archive, or an archive
// followed by the name of a file inside it. Empty when it is none of these.
// Asked with the path's bytes, so that a skin named in Latin-1 is still a skin.
QString skinOf(const QString& path)
{
    namespace fs = std::filesystem;
    const fs::path bytes = kit::toPath(path);
    std::error_code unreadable;
    const fs::file_status status = fs::status(bytes, unreadable);
    if (fs::is_directory(status) || (fs::is_regular_file(status) && kit::isSkinArchiveName(bytes)))
        return path;
    if (fs::exists(status))
        return {};
    for (fs::path outer = bytes.parent_path(); !outer.empty() && outer != outer.parent_path();
         outer = outer.parent_path()) {
        const fs::file_status outerStatus = fs::status(outer, unreadable);
        if (fs::is_regular_file(outerStatus))
            return kit::isSkinArchiveName(outer) ? kit::fromPath(outer) : QString();
        if (fs::exists(outerStatus))
            return {};
    }
    return {};
}

MainWindowPicture refused(const QString& name, const QString& refusal) { return {QImage(), name, {}, refusal, {}}; }

MainWindowPicture checked(const QString& name, const QString& shortName, const kit::PictureLoad& load)
{
    if (load.error == kit::PictureLoad::Error::Unreadable)
        return refused(name, QStringLiteral("Plevo could not read %1: %2.").arg(name, load.reason));
    if (load.error == kit::PictureLoad::Error::NotAPicture)
        return refused(name, QStringLiteral("%1 is not a picture that Plevo can read.").arg(name));
    if (load.size != kMainWindowSize)
        return refused(name, QStringLiteral("%1 is %2 x %3 pixels. Plevo needs a picture of the player's main "
                                            "window, 275 x 116 pixels.")
                                 .arg(name)
                                 .arg(load.size.width())
                                 .arg(load.size.height()));
    return {load.image.convertToFormat(QImage::Format_RGB32), name, shortName, QString(), QString()};
}

// A skin's main.bmp is the window's background only: the player draws its
// buttons, title bar and sliders over it from the skin's other bitmaps, and the
// outline an author traces runs along them too.
MainWindowPicture composed(const kit::SkinSource& skin)
{
    const kit::SkinBitmaps bitmaps = kit::readSkinBitmaps(skin);
    QStringList without;
    for (size_t file = 0; file < bitmaps.reads.size(); ++file)
        if (bitmaps.reads[file].outcome != kit::SkinBitmapRead::Outcome::Loaded)
            without << QLatin1String(kit::kSkinFileNames[file]);
    const QString name = kit::toQString(skin.displayName());
    MainWindowPicture picture {kit::DrawMainWindow(bitmaps.pictures, {}), name,
                               QFileInfo(QDir::cleanPath(name)).fileName(), QString(), QString()};
    if (!without.isEmpty()) {
        const QString last = without.takeLast();
        const QString listed = without.isEmpty() ? last : without.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
        picture.note = QStringLiteral("%1: the main window is shown without %2, which the skin lacks or Plevo cannot "
                                      "read, so what they draw is not in it.")
                           .arg(name, listed);
    }
    return picture;
}

MainWindowPicture fromSkin(const QString& skinPath)
{
    const kit::SkinOpen opened = kit::SkinSource::open(kit::toPath(skinPath));
    if (!opened.skin)
        return refused(QDir::toNativeSeparators(kit::displayPath(skinPath)),
                       QStringLiteral("Plevo could not open the skin %1.").arg(kit::toQString(opened.message)));
    const kit::SkinSource& skin = *opened.skin;
    const kit::SkinMember* main = skin.find("main.bmp");
    const QString skinName = kit::toQString(skin.displayName());
    if (!main)
        return refused(skinName, QStringLiteral("%1 holds no main.bmp.").arg(skinName));
    const QString name = kit::toQString(skin.memberDisplayName(*main));
    if (!main->refusal.empty())
        return refused(name, QStringLiteral("Plevo could not read %1: %2.").arg(name, kit::toQString(main->refusal)));
    const kit::SkinRead read = skin.read(*main);
    if (!read.error.empty())
        return refused(name, QStringLiteral("Plevo could not read %1: %2.").arg(name, kit::toQString(read.error)));
    const QString shortName = skin.isArchive() ? name : QFileInfo(name).fileName();
    const MainWindowPicture background = checked(name, shortName, kit::decodePicture(read.bytes, kMainWindowSize));
    if (!background.refusal.isEmpty() || !kit::holdsMainWindowPieces(skin))
        return background;
    return composed(skin);
}

} // namespace

MainWindowPicture loadMainWindowPicture(const QString& path)
{
    if (const QString skin = skinOf(path); !skin.isEmpty())
        return fromSkin(skin);
    const QString shown = kit::displayPath(path);
    return checked(QDir::toNativeSeparators(shown), QFileInfo(shown).fileName(),
                   kit::loadPicture(path, kPictureFileLimit, kMainWindowSize));
}

} // namespace plevo
