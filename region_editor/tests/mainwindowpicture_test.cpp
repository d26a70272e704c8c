#include "region_editor/core/mainwindowpicture.h"

#include "common/testing/encodedpicture.h"
#include "common/testing/flatskin.h"
#include "common/testing/latin1folder.h"
#include "common/testing/ziparchive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::string bmp(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    return kit::testing::encodedPicture(picture, "BMP");
}

TEST(MainWindowPicture, ASkinGivesItsMainBmpOrSaysWhyNot)
{
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const std::string& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return dir.filePath(name);
    };
    using kit::testing::zipArchive;
    const QString blue = write("Blue.wsz", zipArchive({{"Blue/", ""}, {"Blue/MAIN.BMP", bmp({275, 116})},
                                                        {"Blue/text.bmp", bmp({155, 18})}}));
    const QString eq = write("Eq.zip", zipArchive({{"main.bmp", bmp({275, 14})}}));
    const QString bare = write("Bare.wsz", zipArchive({{"text.bmp", bmp({155, 18})}}));
    const QString broken = write("Broken.wsz", "not a zip at all");
    QDir(dir.path()).mkdir("Folder");
    write("Folder/Main.bmp", bmp({275, 116}));
    const kit::testing::Latin1Folder latin1Folder(dir.path());
    const std::filesystem::path& latin1 = latin1Folder.path();
    std::ofstream(latin1 / "main.bmp", std::ios::binary) << bmp({275, 116});
    std::ofstream(latin1 / "caf\xE9.wsz", std::ios::binary) << zipArchive({{"main.bmp", bmp({275, 116})}});

    const struct
    {
        QString path;
        QString shortName; // empty where it is refused
        QString refusal;
    } cases[] = {
        {blue, "Blue.wsz", ""},
        {blue + "/Blue/text.bmp", "Blue.wsz", ""},
        {dir.filePath("Folder"), "Main.bmp", ""},
        {kit::fromPath(latin1), "main.bmp", ""},
        {kit::fromPath(latin1 / "caf\xE9.wsz"), "caf\uFFFD.wsz: main.bmp", ""},
        {kit::fromPath(latin1 / "main.bmp"), "main.bmp", ""},
        {eq, "", "Eq.zip: main.bmp is 275 x 14 pixels. Plevo needs a picture of the player's main window, "
                 "275 x 116 pixels."},
        {bare, "", "Bare.wsz holds no main.bmp."},
        {broken, "", "Plevo could not open the skin Broken.wsz: not a zip archive."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const plevo::MainWindowPicture picture = plevo::loadMainWindowPicture(c.path);
        EXPECT_EQ(picture.refusal.toStdString(), c.refusal.toStdString());
        EXPECT_EQ(picture.shortName.toStdString(), c.shortName.toStdString());
        EXPECT_EQ(picture.image.isNull(), !c.refusal.isEmpty());
        if (!picture.image.isNull()) {
            EXPECT_EQ(picture.image.pixel(274, 115), qRgb(10, 200, 30));
        }
    }
}

TEST(MainWindowPicture, ASkinShowsItsMainWindowComposedFromItsBitmapsWhereverItLies)
{
    using kit::SkinFile;
    using namespace kit::testing;
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const std::string& bytes) {
        QDir(dir.path()).mkpath(QFileInfo(name).path());
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return dir.filePath(name);
    };
    const QString whole = write("Whole.wsz", zipArchive(flatSkinMembers()));
    const QString bare = write("Bare.wsz", zipArchive(flatSkinMembers("Bare/", {SkinFile::TitleBar, SkinFile::Volume})));
    for (const ZipEntry& member : flatSkinMembers("Folder/"))
        write(QString::fromStdString(member.name), member.bytes);
    const QRgb main = flatSkinColour(SkinFile::Main);
    const struct
    {
        QString path;
        QString shortName;
        QString note;
        QRgb title, volume;
    } cases[] = {
        {whole, "Whole.wsz", "", flatSkinColour(SkinFile::TitleBar), flatSkinColour(SkinFile::Volume)},
        {bare + "/Bare/posbar.bmp", "Bare.wsz",
         "Bare.wsz: the main window is shown without volume.bmp and titlebar.bmp, which the skin lacks or Plevo cannot "
         "read, so what they draw is not in it.",
         main, main},
        {dir.filePath("Folder"), "Folder", "", flatSkinColour(SkinFile::TitleBar), flatSkinColour(SkinFile::Volume)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const plevo::MainWindowPicture picture = plevo::loadMainWindowPicture(c.path);
        ASSERT_EQ(picture.refusal.toStdString(), "");
        EXPECT_EQ(picture.shortName.toStdString(), c.shortName.toStdString());
        EXPECT_EQ(picture.note.toStdString(), c.note.toStdString());
        EXPECT_EQ(picture.image.pixel(kPlayPoint), flatSkinColour(SkinFile::CButtons));
        EXPECT_EQ(picture.image.pixel(kTitleBarPoint), c.title);
        EXPECT_EQ(picture.image.pixel(kVolumePoint), c.volume);
        EXPECT_EQ(picture.image.pixel(kBackgroundPoint), main);
    }
}

} // namespace
