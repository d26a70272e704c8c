#include "common/core/recentfiles.h"
#include "common/core/settings.h"
#include "common/testing/latin1folder.h"
#include "common/testing/temporarysettings.h"
#include "common/testing/unprivileged.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sys/stat.h>

using kit::FolderKind;
using kit::RecentFiles;

namespace {

// Bytes with zeros among them, which a plain conversion would cut at the first.
template <size_t N> QByteArray bytes(const char (&text)[N]) { return QByteArray(text, N - 1); }

QStringList numbered(int from, int to)
{
    QStringList paths;
    for (int n = from; n >= to; --n)
        paths << QStringLiteral("/skins/%1.bmp").arg(n);
    return paths;
}

} // namespace

TEST(RecentFiles, KeepTenAbsolutePathsNewestFirstEachOnce)
{
    struct Case
    {
        const char* what;
        std::function<void(RecentFiles&)> steps;
        QStringList expected;
    };
    const Case cases[] = {
        {"newest first", [](RecentFiles& f) { f.add("/a"); f.add("/b"); f.add("/c"); }, {"/c", "/b", "/a"}},
        {"a file opened again moves up", [](RecentFiles& f) { f.add("/a"); f.add("/b"); f.add("/a"); }, {"/a", "/b"}},
        {"one file written two ways is one entry",
         [](RecentFiles& f) { f.add("/s/a.bmp"); f.add("/s/x/..//./a.bmp"); }, {"/s/a.bmp"}},
        {"the eleventh pushes the oldest out",
         [](RecentFiles& f) { for (int n = 0; n <= 10; ++n) f.add(QStringLiteral("/skins/%1.bmp").arg(n)); },
         numbered(10, 1)},
        {"relative and empty paths never enter", [](RecentFiles& f) { f.add("main.bmp"); f.add(""); }, {}},
        {"removed", [](RecentFiles& f) { f.add("/a"); f.add("/b"); f.remove("/a"); }, {"/b"}},
        {"cleared", [](RecentFiles& f) { f.add("/a"); f.clear(); }, {}},
    };
    for (const Case& c : cases) {
        RecentFiles files;
        c.steps(files);
        EXPECT_EQ(files.paths(), c.expected) << c.what;
    }

    const QStringList stored = QStringList {"/new", "", "relative.bmp", "/new"} + numbered(11, 0);
    EXPECT_EQ(RecentFiles(stored).paths(), QStringList {"/new"} + numbered(11, 3)) << "a stored list is put right";
}

TEST(Settings, RememberFoldersRecentFilesAndPlacesAcrossRuns)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("skins") && QDir(dir.path()).mkpath("gone"));
    const kit::testing::Latin1Folder latin1Folder(dir.path());
    const QString latin1 = latin1Folder.text();
    const QString file = dir.filePath("settings.ini");
    {
        kit::Settings settings(file);
        settings.setFolder(FolderKind::SkinPictures, dir.filePath("skins"));
        settings.setFolder(FolderKind::RegionFiles, latin1);
        settings.setFolder(FolderKind::SaveTargets, dir.filePath("gone"));
        RecentFiles recent;
        recent.add("/skins/Blue.wsz");
        recent.add(latin1 + "/main.bmp");
        settings.setRecentFiles(recent);
        settings.setWindowGeometry("frmButton", "placed");
    }
    ASSERT_TRUE(QDir(dir.filePath("gone")).removeRecursively());

    const kit::Settings settings(file);
    EXPECT_EQ(settings.folder(FolderKind::SkinPictures), dir.filePath("skins"));
    EXPECT_EQ(settings.folder(FolderKind::RegionFiles), latin1);
    EXPECT_EQ(settings.folder(FolderKind::SaveTargets), "") << "a folder that has gone is forgotten";
    EXPECT_EQ(settings.folder(FolderKind::ColourFiles), "");
    EXPECT_EQ(settings.recentFiles().paths(), (QStringList {latin1 + "/main.bmp", "/skins/Blue.wsz"}));
    EXPECT_EQ(settings.windowGeometry("frmButton"), "placed");
}

TEST(Settings, ADamagedOrUnreadableFileGivesTheDefaults)
{
    const QByteArray healthy = "RecentFiles=/skins/Blue.wsz\n[Folders]\nSkinPictures=/tmp\n";
    struct Case
    {
        const char* what;
        QByteArray content; // empty: a folder stands where the file should be
        bool unreadable = false;
        QString expectedFolder;
    };
    const Case cases[] = {
        {"a healthy file, for comparison", healthy, false, "/tmp"},
        {"broken lines after good ones", healthy + bytes("[Broken\n\0\xff\xfe=\n=\n"), false, ""},
        {"binary junk", bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xff"), false, ""},
        {"values of the wrong shape",
         bytes("RecentFiles=@Variant(\0\0\0\x7f\0\0\0\x05junk)\n[Folders]\nSkinPictures=@ByteArray(\n"
               "ColourFiles=12\n"),
         false, ""},
        {"a folder in its place", "", false, ""},
        {"a file that may not be read", healthy, true, ""},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        const QString file = dir.filePath("settings.ini");
        if (c.content.isEmpty()) {
            ASSERT_TRUE(QDir(dir.path()).mkdir("settings.ini"));
        } else {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(c.content) == c.content.size());
            out.close();
            ASSERT_TRUE(out.setPermissions(c.unreadable ? QFile::Permissions() : QFile::ReadOwner | QFile::WriteOwner));
        }
        const bool healthyCase = !c.expectedFolder.isEmpty();

        std::optional<kit::testing::Unprivileged> asUser;
        if (c.unreadable)
            asUser.emplace();
        kit::Settings settings(file);
        EXPECT_EQ(settings.folder(FolderKind::SkinPictures), c.expectedFolder) << c.what;
        EXPECT_EQ(settings.recentFiles().paths(),
                  healthyCase ? QStringList {"/skins/Blue.wsz"} : QStringList {}) << c.what;
        settings.setFolder(FolderKind::SaveTargets, "/tmp");
        settings.sync();
        EXPECT_EQ(settings.folder(FolderKind::SaveTargets), "/tmp") << c.what << ": still works for this run";
    }
}

TEST(Settings, LiveInThePlatformsPlaceForConfigurationNeverTheWorkingDirectory)
{
    QTemporaryDir config;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication::setApplicationName("Knapro");
    EXPECT_EQ(kit::Settings::applicationFile(), config.filePath("Knapro/settings.ini"));
    qputenv("XDG_CONFIG_HOME", saved);
}
