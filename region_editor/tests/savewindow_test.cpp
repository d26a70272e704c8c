#include "plevotestsupport.h"

#include "directorylists.h"
#include "diskfull.h"
#include "expectedheader.h"
#include "form7.h"
#include "form8.h"


using kit::MessageButtons;
using kit::MessageIcon;

namespace plevo::testing {
namespace {

const QByteArray kHeader = QByteArray::fromStdString(kRegionHeader);

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
        clickIn(window->findChild<kit::PictureButton*>(QLatin1String(name)));
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

TEST_F(SaveWindow, ASaveThatCannotBeWrittenKeepsTheWindowThePointsAndTheOldFile)
{
    clickPicture({9, 4});
    QDir(skins.path()).mkdir("gone");
    Form7* window = openSaveWindow();
    window->setDirectory(skins.filePath("gone"));
    QDir(skins.path()).rmdir("gone");

    press(window, "Image2");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.lastCall().title, "Save file");
    EXPECT_EQ(dialogs.lastCall().text,
              "Could not save " + QDir(skins.path()).canonicalPath() + "/gone/Region.txt: No such file or directory.");
    EXPECT_EQ(dialogs.lastCall().icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.lastCall().buttons, MessageButtons::Ok);
    EXPECT_EQ(form->status(), "Save file failed");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(form->pointIndex().total, "1");
    EXPECT_EQ(scratchFile("~PL~01.tmp"), "PointList=10,5,");

    // A full disk, with a Region.txt already there.
    QFile old(skins.filePath("Region.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the author's region\r\n");
    old.close();
    window->setDirectory(skins.path());
    {
        const kit::testing::FileSizeLimit diskFull(64);
        press(window, "Image2");
    }

    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_TRUE(dialogs.lastCall().text.endsWith("/Region.txt: File too large."));
    EXPECT_EQ(contents(skins.filePath("Region.txt")), "the author's region\r\n");
    EXPECT_EQ(QDir(skins.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_TRUE(window->isVisible());

    press(window, "Image2");
    EXPECT_EQ(contents(skins.filePath("Region.txt")), kHeader + "NumPoints=1\r\nPointList=10,5\r\n");
    EXPECT_EQ(form->status(), "Save file OK");
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

    press(window, "Image2");
    EXPECT_EQ(form->status(), "Save file OK");
}

TEST_F(SaveWindow, ChoosingADriveMovesToItsRootAndTheNextSaveGoesThere)
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
