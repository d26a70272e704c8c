#include "region_editor/tests/plevotestsupport.h"

#include "common/core/fileio.h"
#include "common/core/textconversion.h"
#include "common/testing/diskfull.h"
#include "common/testing/latin1folder.h"
#include "common/testing/unprivileged.h"
#include "region_editor/tests/expectedheader.h"
#include "region_editor/ui/directorylists.h"
#include "region_editor/ui/hostdirectorywindow.h"
#include "region_editor/ui/savewindow.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <unistd.h>

using kit::MessageButtons;
using kit::MessageIcon;

namespace plevo::testing {
namespace {

const QByteArray kHeader = QByteArray::fromStdString(kRegionHeader);

// Gives a root test process's files to the user it acts as inside Unprivileged.
void handOverToTheUnprivilegedUser(const QString& path)
{
    if (::geteuid() != 0)
        return;
    const std::filesystem::path top = kit::toPath(path);
    EXPECT_TRUE(kit::testing::Unprivileged::handOver(top));
    for (const auto& entry : std::filesystem::recursive_directory_iterator(top))
        EXPECT_TRUE(kit::testing::Unprivileged::handOver(entry.path())) << entry.path();
}

class SaveWindow : public PlevoWindowTest
{
protected:
    void SetUp() override
    {
        PlevoWindowTest::SetUp();
        ASSERT_TRUE(skins.isValid());
        previousDirectory = QDir::currentPath();
        QDir::setCurrent(skins.path());
    }
    void TearDown() override
    {
        QDir::setCurrent(previousDirectory);
        PlevoWindowTest::TearDown();
    }

    Form7* openSaveWindow()
    {
        click("Image4");
        click("Image7");
        EXPECT_FALSE(shown("Picture2"));
        return form->saveWindow();
    }
    static void press(QWidget* window, const char* name)
    {
        clickIn(window->findChild<PictureButton*>(QLatin1String(name)));
    }
    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir skins;
    QString previousDirectory;
};

TEST_F(SaveWindow, OpensAtTheCurrentDirectoryAndSavesThereEmptyingThePointList)
{
    clickPicture({0, 0});
    clickPicture({274, 0});
    clickPicture({274, 115});
    Form7* window = openSaveWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Save file");
    EXPECT_EQ(window->size(), QSize(186, 185));
    EXPECT_EQ(window->directory(), QDir(skins.path()).canonicalPath());

    QPointer<Form7> guard = window;
    press(window, "Image2");
    EXPECT_EQ(contents(skins.filePath("Region.txt")), kHeader + "NumPoints=3\r\nPointList=1,1,275,1,275,116\r\n");
    EXPECT_EQ(form->status(), "Save file OK");
    EXPECT_EQ(form->pointIndex().total, "0");
    EXPECT_EQ(scratchFile("~NP~01.tmp"), "NumPoints=\r\n");
    EXPECT_EQ(scratchFile("~PL~01.tmp"), "PointList=");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());

    // Saving again straight away writes an empty polygon.
    press(openSaveWindow(), "Image2");
    EXPECT_EQ(contents(skins.filePath("Region.txt")), kHeader + "NumPoints=\r\nPointList=\r\n");
    EXPECT_EQ(form->status(), "Save file OK");
    EXPECT_TRUE(dialogs.calls().empty());
}

// Every way a save can meet the file system, as an ordinary user (CI runs as
// root, whom permissions do not stop). A failed save shows the kit's one
// could-not-save message and leaves the window, the points and any old file as
// they were, with no temporary file behind; odd places that can take the file do.
TEST_F(SaveWindow, SavesFailSafelyOrSucceedWhereverTheFileSystemAllows)
{
    const QByteArray old = "the author's region\r\n";
    const QByteArray saved = kHeader + "NumPoints=1\r\nPointList=10,5\r\n";
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    struct Case
    {
        const char* what;
        std::function<void(const QDir& dir)> prepare;
        const char* failure; // the system's reason, or null for a save that works
        QByteArray regionAfter; // what the directory's Region.txt then reads (through any link)
        bool diskFull = false;
    };
    const Case cases[] = {
        {"a read-only directory", [](const QDir& dir) { QFile(dir.path()).setPermissions(QFile::ReadOwner | QFile::ExeOwner); },
         "Permission denied", "<missing>"},
        {"a directory removed before the save", [](const QDir& dir) { QDir().rmdir(dir.path()); },
         "No such file or directory", "<missing>"},
        {"a full disk", [&](const QDir& dir) { write(dir.filePath("Region.txt"), old); }, "File too large", old, true},
        {"a read-only Region.txt",
         [&](const QDir& dir) {
             write(dir.filePath("Region.txt"), old);
             QFile(dir.filePath("Region.txt")).setPermissions(QFile::ReadOwner | QFile::ReadOther);
         },
         "Permission denied", old},
        {"a Region.txt that links to a file elsewhere",
         [&](const QDir& dir) {
             QDir(skins.path()).mkdir("elsewhere");
             write(skins.filePath("elsewhere/Region.txt"), old);
             QFile::link("../elsewhere/Region.txt", dir.filePath("Region.txt"));
         },
         nullptr, saved},
        {"a directory that takes no new file, holding a writable Region.txt",
         [&](const QDir& dir) {
             write(dir.filePath("Region.txt"), old);
             QFile(dir.path()).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
         },
         nullptr, saved},
    };

    // The tests' folders belong to whoever the save acts as.
    QFile(skins.path()).setPermissions(QFile::permissions(skins.path()) | QFile::ExeOther | QFile::WriteOther);
    handOverToTheUnprivilegedUser(scratch.path());
    Form7* window = openSaveWindow();
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QDir dir(skins.filePath(QStringLiteral("case%1").arg(index++)));
        form->NewFile();
        clickPicture({9, 4});
        dialogs.clear();
        {
            const kit::testing::Unprivileged asAnOrdinaryUser;
            QDir().mkpath(dir.path());
            window->setDirectory(dir.path());
            c.prepare(dir);
            std::optional<kit::testing::FileSizeLimit> diskFull;
            if (c.diskFull)
                diskFull.emplace(64);
            press(window, "Image2");
        }

        EXPECT_EQ(contents(dir.filePath("Region.txt")), c.regionAfter);
        if (dir.exists()) {
            EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System),
                      c.regionAfter == "<missing>" ? QStringList() : QStringList{"Region.txt"});
        }
        if (c.failure) {
            ASSERT_EQ(dialogs.messages().size(), 1u);
            EXPECT_EQ(dialogs.lastCall().title, "Save file");
            EXPECT_EQ(dialogs.lastCall().text, kit::couldNotSaveText(window->directory() + "/Region.txt", c.failure));
            EXPECT_EQ(dialogs.lastCall().icon, MessageIcon::Critical);
            EXPECT_EQ(dialogs.lastCall().buttons, MessageButtons::Ok);
            EXPECT_EQ(form->status(), "Save file failed");
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(form->pointIndex().total, "1");
            EXPECT_EQ(scratchFile("~PL~01.tmp"), "PointList=10,5,");
        } else {
            EXPECT_TRUE(dialogs.calls().empty());
            EXPECT_EQ(form->status(), "Save file OK");
            EXPECT_EQ(form->pointIndex().total, "0");
            window = openSaveWindow();
        }
        QFile(dir.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_TRUE(QFileInfo(skins.filePath("case4/Region.txt")).isSymLink());
    EXPECT_EQ(contents(skins.filePath("elsewhere/Region.txt")), saved);
}

TEST_F(SaveWindow, HelpTextsAreShownExactly)
{
    Form7* window = openSaveWindow();
    press(window, "Image4");
    EXPECT_EQ(dialogs.lastCall().title, "Help");
    EXPECT_EQ(dialogs.lastCall().text,
              "Choose the directory that you want to save the regeion.txt file to.  If you want to use it in your "
              "own skin, save it to the same directory as the Main.bmp file of your skin");
    EXPECT_EQ(dialogs.lastCall().icon, MessageIcon::None);

    press(window, "Image3");
    Form8* host = form->hostDirectoryWindow();
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->windowTitle(), "WinAmp directory");
    EXPECT_EQ(host->size(), QSize(176, 184));
    press(host, "Image4");
    EXPECT_EQ(dialogs.lastCall().title, "WinAmp directory");
    EXPECT_EQ(dialogs.lastCall().text, "Choose your WinAmp directory");
    EXPECT_EQ(dialogs.lastCall().icon, MessageIcon::Information);

    press(host, "Image2"); // browses only
    EXPECT_EQ(dialogs.calls().size(), 2u);
    EXPECT_TRUE(host->isVisible());
    press(host, "Image1");
    EXPECT_FALSE(host->isVisible());
}

TEST_F(SaveWindow, TheHostDirectoryChoiceNeverReachesTheSaveWindow)
{
    Form7* window = openSaveWindow();
    press(window, "Image3");
    Form8* host = form->hostDirectoryWindow();
    host->findChild<DirectoryList*>("Dir1")->setPath(QDir::rootPath());
    EXPECT_EQ(window->directory(), QDir(skins.path()).canonicalPath());
}

TEST_F(SaveWindow, TheDirectoryListShowsAncestorsThenSubfoldersAndMovesOnActivation)
{
    QDir(skins.path()).mkpath("Winamp/Skins/Mine");
    QDir(skins.path()).mkpath("Winamp/Plugins");
    QDir(skins.path()).mkpath("Winamp/.hidden");
    Form7* window = openSaveWindow();
    auto* list = window->findChild<DirectoryList*>("Dir1");
    list->setPath(skins.filePath("Winamp"));

    const QString winamp = QDir(skins.path()).canonicalPath() + "/Winamp";
    const int ancestors = winamp.count('/') + 1; // the root, then one entry per folder
    ASSERT_EQ(list->count(), ancestors + 3);
    EXPECT_EQ(list->item(0)->text(), "/");
    EXPECT_EQ(list->item(ancestors - 1)->text().trimmed(), "Winamp");
    EXPECT_EQ(list->currentRow(), ancestors - 1);
    EXPECT_EQ(list->item(ancestors)->text().trimmed(), ".hidden");
    EXPECT_EQ(list->item(ancestors + 1)->text().trimmed(), "Plugins");
    EXPECT_EQ(list->item(ancestors + 2)->text().trimmed(), "Skins");

    list->setCurrentRow(ancestors + 2);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(window->directory(), winamp + "/Skins");
    const QPoint root = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, root);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, root);
    EXPECT_EQ(window->directory(), "/");

    // The save goes wherever the list stands when it is pressed.
    list->setPath(winamp + "/Skins/Mine");
    press(window, "Image2");
    EXPECT_EQ(form->status(), "Save file OK");
    EXPECT_TRUE(QFile::exists(winamp + "/Skins/Mine/Region.txt"));
}

TEST_F(SaveWindow, SavesIntoAFolderWhoseNameIsNotUtf8)
{
    const kit::testing::Latin1Folder latin1(skins.path());
    const std::filesystem::path& folder = latin1.path();
    clickPicture({9, 4});
    Form7* window = openSaveWindow();
    auto* list = window->findChild<DirectoryList*>("Dir1");
    const QList<QListWidgetItem*> shown = list->findItems(QString::fromUtf8("caf\xEF\xBF\xBD"), Qt::MatchEndsWith);
    ASSERT_EQ(shown.size(), 1);
    list->setCurrentItem(shown.first());
    QTest::keyClick(list, Qt::Key_Return);
    press(window, "Image2");

    EXPECT_EQ(form->status(), "Save file OK");
    std::string saved;
    EXPECT_EQ(kit::readWholeFile(folder / "Region.txt", saved, 4096), "");
    EXPECT_EQ(QByteArray::fromStdString(saved), kHeader + "NumPoints=1\r\nPointList=10,5\r\n");
}

TEST_F(SaveWindow, ChoosingADriveMovesToItsRoot)
{
    Form7* window = openSaveWindow();
    auto* drives = window->findChild<DriveList*>("Drive1");
    ASSERT_GE(drives->count(), 1);
    EXPECT_EQ(drives->itemData(0).toString(), "/");
    emit drives->activated(0);
    EXPECT_EQ(window->directory(), "/");
}

TEST_F(SaveWindow, EveryOpeningStartsAgainAtTheCurrentDirectory)
{
    Form7* window = openSaveWindow();
    window->setDirectory(QDir::rootPath());
    press(window, "Image1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->saveWindow(), nullptr);
    EXPECT_EQ(openSaveWindow()->directory(), QDir(skins.path()).canonicalPath());
}

} // namespace
} // namespace plevo::testing
