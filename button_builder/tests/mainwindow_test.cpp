#include "button_builder/core/bmpfile.h"
#include "button_builder/tests/fixtures.h"
#include "button_builder/ui/mainwindow.h"
#include "common/core/textconversion.h"
#include "common/testing/diskfull.h"
#include "common/testing/flatskin.h"
#include "common/testing/latin1folder.h"
#include "common/testing/scripteddialogs.h"
#include "common/testing/temporarysettings.h"
#include "common/testing/unprivileged.h"
#include "common/testing/ziparchive.h"
#include "common/ui/picturebox.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <set>

using kit::MessageButtons;
using kit::MessageIcon;
using kit::testing::DialogCall;
using knapro::PictureBox;
using namespace knapro::testing;

namespace {

const QString kShortWrongSize = "Please make sure that the image is 275 x 116 pixels.";
const QStringList kSaveAndCopy {"cmdSave", "mnuFileSave", "mnuPopupSave", "mnuEditCopy", "mnuPopupCopy"};
const QStringList kClose {"mnuFileClose", "mnuPopupClose"};

class Builder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        window = std::make_unique<knapro::frmButton>(dialogs, *settings);
        window->show();
    }
    void TearDown() override
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        EXPECT_TRUE(dialogs.unanswered());
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString picture(const QString& name, const QImage& image, const char* format = "BMP")
    {
        EXPECT_TRUE(image.save(path(name), format));
        return path(name);
    }
    QString elementFile(int tab) { return picture(QString("tab%1.bmp").arg(tab), elementPicture(tab)); }

    template <class T> T* child(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QAction* action(const QString& name) const { return child<QAction>(name); }
    void expectEnabled(const QStringList& commands, bool enabled) const
    {
        for (const QString& name : commands)
            EXPECT_EQ(child<QObject>(name)->property("enabled").toBool(), enabled) << name.toStdString();
    }
    QAction* elementMenu(const QString& name) const { return child<QMenu>(name)->menuAction(); }
    PictureBox* preview() const { return child<PictureBox>("picButton"); }
    bool previewShown() const { return !preview()->isHidden(); }
    void setTab(int tab) { child<QTabWidget>("tabButton")->setCurrentIndex(tab); }

    void open(const QString& file)
    {
        dialogs.choosePath(file);
        window->OpenFile();
    }
    void press(const QString& control, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(child<PictureBox>(control), button, {}, QPoint(1, 1));
        QTest::mouseRelease(child<PictureBox>(control), button, {}, QPoint(1, 1));
    }
    DialogCall onlyMessage() const
    {
        const auto messages = dialogs.messages();
        EXPECT_EQ(messages.size(), 1u);
        return messages.empty() ? DialogCall() : messages.back();
    }

    QTemporaryDir dir;
    kit::testing::ScriptedDialogs dialogs;
    kit::testing::TemporarySettings settings;
    std::unique_ptr<knapro::frmButton> window;
};

void expectMessage(const DialogCall& call, const QString& title, const QString& text, MessageIcon icon)
{
    EXPECT_EQ(call.kind, DialogCall::Kind::Message);
    EXPECT_EQ(call.title, title);
    EXPECT_EQ(call.text, text);
    EXPECT_EQ(call.icon, icon);
    EXPECT_EQ(call.buttons, MessageButtons::Ok);
}

QImage plainPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(200, 40, 40));
    return picture;
}

QImage savedPicture(const QString& file)
{
    QImage image(file, "BMP");
    return image.convertToFormat(QImage::Format_RGB32);
}

bool allPixelsAre(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != colour)
                return false;
    return true;
}

} // namespace

TEST_F(Builder, APictureOfTheWrongSizeIsShownButEveryCutIsRefused)
{
    open(picture("narrow.bmp", plainPicture(274, 116)));
    expectMessage(onlyMessage(), "Wrong Size", "Your image is only 274 x 116.\r" + kShortWrongSize, MessageIcon::Critical);
    EXPECT_EQ(child<PictureBox>("picBack(0)")->picture().size(), QSize(274, 116));
    EXPECT_FALSE(elementMenu("mnuMain")->isVisible());
    EXPECT_TRUE(action("mnuFileClose")->isEnabled());

    dialogs.clear();
    press("imgTitle");
    press("imgCover(0)", Qt::RightButton);
    ASSERT_EQ(dialogs.messages().size(), 2u);
    for (const DialogCall& call : dialogs.messages())
        expectMessage(call, "Wrong Size", kShortWrongSize, MessageIcon::Critical);
    EXPECT_FALSE(previewShown());

    // A larger one is shown too, up to the largest skin bitmap; beyond that it
    // is named by its header's size and the tab keeps its picture.
    const struct {
        QSize size;
        QSize shown;
    } larger[] = {{{276, 116}, {276, 116}}, {{275, 117}, {275, 117}}, {{4000, 3000}, {275, 117}}};
    for (const auto& [size, shown] : larger) {
        dialogs.clear();
        open(picture("large.jpg", plainPicture(size.width(), size.height()), "JPEG"));
        expectMessage(onlyMessage(), "Wrong Size",
                      QStringLiteral("Your image is only %1 x %2.\r").arg(size.width()).arg(size.height()) + kShortWrongSize,
                      MessageIcon::Critical);
        EXPECT_EQ(child<PictureBox>("picBack(0)")->picture().size(), shown);
    }
}

TEST_F(Builder, ACancelledOpenOrAFileThatIsNoPictureLeavesThePictureAndTheCut)
{
    open(elementFile(0));
    press("imgEject");
    const QImage picture = window->currentPicture();
    const QImage cut = preview()->picture();
    const auto expectAsBefore = [&] {
        EXPECT_TRUE(window->currentPicture() == picture);
        EXPECT_TRUE(child<PictureBox>("picBack(0)")->picture() == picture);
        EXPECT_TRUE(child<PictureBox>("imgBack(0)")->picture() == picture);
        EXPECT_TRUE(previewShown());
        EXPECT_TRUE(preview()->picture() == cut);
        EXPECT_TRUE(elementMenu("mnuMain")->isVisible() && elementMenu("mnuMain")->isEnabled());
        expectEnabled(kSaveAndCopy + kClose + QStringList {"mnuFileCloseAll"}, true);
    };

    dialogs.cancelPath();
    window->OpenFile();
    EXPECT_TRUE(dialogs.messages().empty());
    expectAsBefore();

    QFile notes(path("notes.bmp"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write("Notes, not a picture.\r\n") > 0);
    notes.close();
    open(notes.fileName());
    expectMessage(onlyMessage(), "Unsupported File Type", "This file type is not supported.", MessageIcon::Information);
    expectAsBefore();
}

TEST_F(Builder, APictureWhoseDataEndsEarlyOrThatIsNoFileIsRefused)
{
    const QString bmp = elementFile(0);
    const QString jpeg = picture("main.jpg", plainPicture(275, 116), "JPEG");
    ASSERT_TRUE(writeStripedGif(path("main.gif"), 275, 116));
    const auto cut = [this](const QString& from, const QString& name, qint64 keep) {
        QFile whole(from);
        EXPECT_TRUE(whole.open(QIODevice::ReadOnly));
        QFile part(path(name));
        EXPECT_TRUE(part.open(QIODevice::WriteOnly) && part.write(whole.read(keep)) == keep);
        return part.fileName();
    };
    const qint64 bmpSize = QFileInfo(bmp).size();
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.bmp")).constData(), 0644), 0);
    const QStringList refused {
        cut(bmp, "100.bmp", 100), cut(bmp, "half.bmp", bmpSize / 2), cut(bmp, "short.bmp", bmpSize - 1),
        cut(jpeg, "third.jpg", QFileInfo(jpeg).size() / 3), cut(path("main.gif"), "third.gif", QFileInfo(path("main.gif")).size() / 3),
        path("fifo.bmp"), dir.path(),
    };
    for (const QString& file : refused) {
        dialogs.clear();
        open(file);
        expectMessage(onlyMessage(), "Unsupported File Type", "This file type is not supported.", MessageIcon::Information);
        EXPECT_TRUE(window->currentPicture().isNull()) << file.toStdString();
    }
}

TEST_F(Builder, JpegAndGifPicturesOpenLikeBitmaps)
{
    open(picture("main.jpg", plainPicture(275, 116), "JPEG"));
    setTab(1);
    ASSERT_TRUE(writeStripedGif(path("eq.gif"), 275, 116));
    open(path("eq.gif"));

    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(elementMenu("mnuMain")->isVisible());
    EXPECT_TRUE(elementMenu("mnuEq")->isVisible());
    EXPECT_EQ(window->currentPicture().convertToFormat(QImage::Format_RGB32), stripedPicture(275, 116));
}

TEST_F(Builder, AClickBeforeAnyPictureOpensTheDialogInsteadOfCutting)
{
    setTab(2);
    dialogs.cancelPath();
    press("imgCover(2)", Qt::RightButton);
    kit::FileRequest expected;
    expected.title = "Open File";
    expected.directory = QDir::currentPath();
    expected.fileName = "pl.bmp";
    expected.filter = "All supported types|*.bmp;*.jpg;*.jpeg;*.gif|Bitmap Files (*.bmp)|*.bmp|"
                      "JPEG Files (*.jpg, *.jpeg)|*.jpg; *.jpeg|GIF Files (*.gif)|*.gif|All Files (*.*)|*.*";
    expected.defaultExtension = "*.bmp";
    EXPECT_EQ(dialogs.lastCall().file, expected);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(action("mnuFileCloseAll")->isEnabled()); // a cancel changes nothing

    dialogs.choosePath(elementFile(2));
    press("imgPlBottom");
    EXPECT_FALSE(window->currentPicture().isNull());
    EXPECT_FALSE(previewShown());
}

TEST_F(Builder, TheCutIsSavedAsABitmapOfExactlyTheElementsPixels)
{
    open(elementFile(0));
    press("imgControl");
    ASSERT_TRUE(previewShown());
    EXPECT_EQ(preview()->toolTip(), "Control buttons");
    EXPECT_EQ(preview()->size(), QSize(114, 18));

    dialogs.choosePath(path("control.bmp"));
    child<QPushButton>("cmdSave")->click();
    kit::FileRequest expected;
    expected.title = "Save As";
    expected.directory = QDir::currentPath();
    expected.filter = "Bitmap Files (*.bmp)|*.bmp|";
    expected.defaultExtension = "*.bmp";
    expected.confirmOverwrite = true;
    EXPECT_EQ(dialogs.lastCall().file, expected);

    EXPECT_EQ(QFileInfo(path("control.bmp")).size(), 54 + 344 * 18); // 24-bit rows of 342 bytes, padded
    const QImage control = savedPicture(path("control.bmp"));
    EXPECT_EQ(control.size(), QSize(114, 18));
    EXPECT_TRUE(allPixelsAre(control, elementColour(14)));

    dialogs.choosePath(path("song.bmp"));
    action("mnuMainSongTitle")->trigger();
    EXPECT_EQ(preview()->toolTip(), "Song Title");
    action("mnuFileSave")->trigger();
    const QImage song = savedPicture(path("song.bmp"));
    EXPECT_EQ(song.size(), QSize(153, 6));
    EXPECT_TRUE(allPixelsAre(song, elementColour(5)));

    action("mnuEditCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), song);
}

TEST_F(Builder, ARightClickOnAnAreaCutsAndPopsUpTheSaveMenuButAMenuCommandNever)
{
    open(elementFile(0));
    press("imgEject", Qt::RightButton);
    EXPECT_TRUE(previewShown());
    auto* popup = child<QMenu>("mnuPopup");
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->defaultAction(), action("mnuPopupSave"));
    popup->close();

    action("mnuMainShuffle")->trigger();
    EXPECT_EQ(preview()->size(), QSize(47, 15));
    EXPECT_FALSE(popup->isVisible());

    press("imgCover(0)", Qt::RightButton);
    EXPECT_TRUE(child<QMenu>("mnuMain")->isVisible());
}

TEST_F(Builder, ElementMenusAndCommandsFollowTheTabsThatHoldPictures)
{
    EXPECT_EQ(window->windowTitle(), "Knapro 2.00");
    EXPECT_EQ(window->centralWidget()->size(), QSize(331, 392));
    const auto expectOnlyOpening = [this] {
        for (const char* name : {"mnuMain", "mnuEq", "mnuPl"})
            EXPECT_FALSE(elementMenu(name)->isVisible()) << name;
        expectEnabled(kSaveAndCopy + kClose + QStringList {"mnuFileCloseAll"}, false);
    };
    expectOnlyOpening();

    open(elementFile(0));
    press("imgTitle");
    EXPECT_TRUE(elementMenu("mnuMain")->isVisible());
    EXPECT_TRUE(elementMenu("mnuMain")->isEnabled());
    expectEnabled(kSaveAndCopy + kClose, true);

    setTab(1);
    EXPECT_FALSE(previewShown());
    expectEnabled(kSaveAndCopy + kClose, false);
    EXPECT_TRUE(action("mnuFileCloseAll")->isEnabled());
    EXPECT_TRUE(elementMenu("mnuMain")->isVisible());
    EXPECT_FALSE(elementMenu("mnuMain")->isEnabled());

    open(elementFile(1));
    EXPECT_TRUE(elementMenu("mnuEq")->isVisible());
    EXPECT_TRUE(elementMenu("mnuEq")->isEnabled());
    EXPECT_FALSE(elementMenu("mnuMain")->isEnabled());

    setTab(0);
    EXPECT_FALSE(previewShown()); // the last cut does not come back
    expectEnabled(kSaveAndCopy, false);
    expectEnabled(kClose, true);
    EXPECT_TRUE(elementMenu("mnuMain")->isEnabled());
    EXPECT_FALSE(elementMenu("mnuEq")->isEnabled());

    press("imgTitle");
    action("mnuFileClose")->trigger();
    EXPECT_FALSE(previewShown());
    EXPECT_FALSE(elementMenu("mnuMain")->isVisible());
    EXPECT_TRUE(elementMenu("mnuEq")->isVisible());
    EXPECT_TRUE(child<PictureBox>("picBack(0)")->picture().isNull());
    EXPECT_FALSE(child<PictureBox>("imgBack(1)")->picture().isNull());
    expectEnabled(kSaveAndCopy + kClose, false);
    EXPECT_TRUE(action("mnuFileCloseAll")->isEnabled());
    EXPECT_EQ(window->focusWidget(), child<QPushButton>("cmdOpen"));

    setTab(2);
    open(elementFile(2));
    action("mnuFileCloseAll")->trigger();
    expectOnlyOpening();
    EXPECT_TRUE(child<PictureBox>("imgBack(1)")->picture().isNull());
    EXPECT_EQ(window->currentTab(), 2);
}

TEST_F(Builder, TheRandomColourFileIsWrittenAndTheNextSaveOffersBitmapsAgain)
{
    dialogs.choosePath(path("Tessel.txt"));
    action("mnuFileRanVis")->trigger();
    const kit::FileRequest request = dialogs.lastCall().file;
    EXPECT_EQ(request.title, "Save As");
    EXPECT_EQ(request.fileName, "Tessel.txt");
    EXPECT_EQ(request.filter, "Text Files (*.txt)|*.txt|");
    EXPECT_EQ(request.defaultExtension, "*.txt");
    EXPECT_TRUE(request.confirmOverwrite);

    QFile file(path("Tessel.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    static const QRegularExpression format("^0,0,0\r\n0,0,0\r\n(([0-9]{1,3},){2}[0-9]{1,3}\r\n){22}$");
    EXPECT_TRUE(format.match(text).hasMatch()) << text.toStdString();
    std::set<int> values;
    for (const QString& value : text.mid(14).split(QRegularExpression("[,\r\n]+"), Qt::SkipEmptyParts))
        values.insert(value.toInt());
    EXPECT_LE(*values.rbegin(), 254);
    EXPECT_GT(values.size(), 1u);

    open(elementFile(0));
    press("imgRepeat");
    dialogs.cancelPath();
    action("mnuFileSave")->trigger();
    EXPECT_EQ(dialogs.lastCall().file.filter, "Bitmap Files (*.bmp)|*.bmp|");
    EXPECT_EQ(dialogs.lastCall().file.fileName, "");
    EXPECT_EQ(dialogs.lastCall().file.defaultExtension, "*.bmp");

    // A click on the visualization display runs the same generator, picture or not.
    dialogs.cancelPath();
    QTest::mouseClick(child<PictureBox>("imgTessel"), Qt::RightButton);
    EXPECT_EQ(dialogs.lastCall().file.fileName, "Tessel.txt");
    EXPECT_TRUE(previewShown());
}

TEST_F(Builder, AFailedWriteIsReportedAndKeepsThePreviewAndTheOldFile)
{
    open(elementFile(0));
    press("imgTitle");
    // A file size limit fails the write the way a full disk does.
    QFile old(path("title.bmp"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("the old picture") > 0);
    old.close();
    dialogs.choosePath(old.fileName());
    {
        const kit::testing::FileSizeLimit diskFull(64);
        action("mnuFileSave")->trigger();
    }

    expectMessage(onlyMessage(), "Save Failed", "Could not save " + old.fileName() + ": File too large.",
                  MessageIcon::Critical);
    EXPECT_TRUE(previewShown());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the old picture");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter("title"), QStringList({"title.bmp"}));
}

TEST_F(Builder, SavesOverEverySpecialTargetOrSaysWhyNot)
{
    // Permissions must bite even for root, so the saves run as an ordinary user
    // inside a folder that user may enter.
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    const auto chmodPath = [](const QString& file, mode_t mode) { ::chmod(QFile::encodeName(file).constData(), mode); };
    const auto giveToUser = [](const QString& file) {
        EXPECT_TRUE(kit::testing::Unprivileged::handOver(kit::toPath(file))) << file.toStdString();
    };
    const auto folder = [&](const QString& name) {
        QDir(dir.path()).mkdir(name);
        giveToUser(path(name));
        return path(name);
    };
    const auto oldFile = [&](const QString& file, mode_t mode) {
        QFile old(file);
        EXPECT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        giveToUser(file);
        chmodPath(file, mode);
        return file;
    };

    struct Case {
        const char* what;
        std::function<QString()> target; // the path the author picks
        QString reason;                  // empty when the save must succeed
        QString kept;                    // a file that must still hold "old"
        QString written;                 // where the picture must land
    };
    const Case cases[] = {
        {"read-only folder", [&] { chmodPath(folder("ro"), 0555); return path("ro/cut.bmp"); }, "Permission denied", {}, {}},
        {"folder gone", [&] { return path("gone/cut.bmp"); }, "No such file or directory", {}, {}},
        {"read-only file", [&] { return oldFile(folder("rofile") + "/cut.bmp", 0444); }, "Permission denied",
         path("rofile/cut.bmp"), {}},
        {"writable file in a read-only folder",
         [&] {
             oldFile(folder("locked") + "/cut.bmp", 0644);
             chmodPath(path("locked"), 0555);
             return path("locked/cut.bmp");
         },
         {}, {}, path("locked/cut.bmp")},
        {"symbolic link",
         [&] {
             oldFile(folder("linked") + "/real.bmp", 0644);
             QFile::link("real.bmp", path("linked/cut.bmp"));
             return path("linked/cut.bmp");
         },
         {}, {}, path("linked/real.bmp")},
    };

    open(elementFile(0));
    press("imgTitle");
    const QImage cut = preview()->picture().convertToFormat(QImage::Format_RGB32);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        const QString target = c.target();
        dialogs.choosePath(target);
        {
            const kit::testing::Unprivileged user;
            action("mnuFileSave")->trigger();
        }
        if (c.reason.isEmpty()) {
            EXPECT_TRUE(dialogs.messages().empty());
            EXPECT_TRUE(savedPicture(c.written) == cut);
        } else {
            expectMessage(onlyMessage(), "Save Failed", kit::couldNotSaveText(target, c.reason), MessageIcon::Critical);
        }
        if (!c.kept.isEmpty()) {
            QFile old(c.kept);
            EXPECT_TRUE(old.open(QIODevice::ReadOnly));
            EXPECT_EQ(old.readAll(), "old");
        }
        const QDir where = QFileInfo(target).dir();
        EXPECT_EQ(where.entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression("^\\.")), QStringList());
        EXPECT_TRUE(previewShown());
    }
    EXPECT_TRUE(QFileInfo(path("linked/cut.bmp")).isSymLink());
    chmodPath(path("locked"), 0755);
    chmodPath(path("ro"), 0755);
}

TEST_F(Builder, OpenAndSaveDialogsReopenWhereTheirLastFileWasChosen)
{
    for (const char* folder : {"skins/Blue", "cuts", "colours"})
        ASSERT_TRUE(QDir(dir.path()).mkpath(folder));
    open(picture("skins/Blue/main.bmp", elementPicture(0)));
    press("imgControl");
    dialogs.choosePath(path("cuts/control.bmp"));
    action("mnuFileSave")->trigger();
    dialogs.choosePath(path("colours/Tessel.txt"));
    action("mnuFileRanVis")->trigger();

    const struct
    {
        const char* command;
        QString folder;
        QString fileName;
    } reopened[] = {
        {"mnuFileOpen", path("skins/Blue"), "main.bmp"},
        {"mnuFileSave", path("cuts"), ""},
        {"mnuFileRanVis", path("colours"), "Tessel.txt"},
        {"mnuPopupSave", path("cuts"), ""},
    };
    for (const auto& dialog : reopened) {
        dialogs.cancelPath();
        action(dialog.command)->trigger();
        EXPECT_EQ(dialogs.lastCall().file.directory, dialog.folder) << dialog.command;
        EXPECT_EQ(dialogs.lastCall().file.fileName, dialog.fileName) << dialog.command;
    }
}

TEST_F(Builder, ARecentPictureReopensOnTheCurrentTabAndIsRememberedAcrossRuns)
{
    const QString first = elementFile(0), second = elementFile(1);
    open(first);
    open(second);
    auto* recent = child<QMenu>("mnuFileRecent");
    EXPECT_EQ(recent->actions().value(0)->text(), "&1 " + second);

    setTab(2);
    recent->actions().value(1)->trigger();
    EXPECT_EQ(child<PictureBox>("picBack(2)")->picture().convertToFormat(QImage::Format_RGB32),
              elementPicture(0).convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(elementMenu("mnuPl")->isVisible());

    window = std::make_unique<knapro::frmButton>(dialogs, *settings);
    EXPECT_EQ(child<QMenu>("mnuFileRecent")->actions().value(0)->text(), "&1 " + first);
}

TEST_F(Builder, TheDesktopsKeysCloseATabAndExitBesideTheMenusOwn)
{
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const char* close : {"Ctrl+W", "Ctrl+F4"}) {
        open(elementFile(0));
        QTest::keySequence(window.get(), QKeySequence(close));
        EXPECT_TRUE(window->currentPicture().isNull()) << close;
    }
    dialogs.cancelPath();
    QTest::keySequence(window.get(), QKeySequence("Ctrl+Shift+O"));
    EXPECT_EQ(dialogs.lastCall().title, "Open Skin");

    int exits = 0;
    QObject::connect(action("mnuFileExit"), &QAction::triggered, [&exits] { ++exits; });
    QTest::keySequence(window.get(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(exits, 1);
}

TEST_F(Builder, OpenSkinFillsTheThreeTabsFromAnArchiveOrAFolderAndSaysWhichStayEmpty)
{
    const auto pictureOf = [this](int tab) { return child<PictureBox>(QString("picBack(%1)").arg(tab))->picture(); };
    const auto expectTabs = [&](const std::array<QImage, 3>& expected) {
        for (int tab = 0; tab < 3; ++tab)
            EXPECT_EQ(pictureOf(tab).convertToFormat(QImage::Format_RGB32), expected[tab].convertToFormat(QImage::Format_RGB32))
                << "tab " << tab;
    };
    const QString archive = path("Blue.wsz");
    {
        QFile file(archive);
        const std::string bytes = kit::testing::zipArchive({{"Blue/Main.bmp", knapro::bmpFileBytes(elementPicture(0))},
                                                            {"Blue/EQ.BMP", knapro::bmpFileBytes(elementPicture(1))}});
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
    }
    setTab(2);
    open(elementFile(2));
    setTab(1);

    dialogs.clear();
    dialogs.choosePath(archive);
    action("mnuFileOpenSkin")->trigger();
    kit::FileRequest expected;
    expected.title = "Open Skin";
    expected.directory = dir.path(); // where the last picture was opened
    expected.filter = "Skin archives and bitmaps|*.wsz;*.zip;*.bmp|All Files (*.*)|*.*";
    EXPECT_EQ(dialogs.calls().front().file, expected);
    expectTabs({elementPicture(0), elementPicture(1), QImage()});
    EXPECT_EQ(window->currentPicture(), pictureOf(1));
    EXPECT_TRUE(elementMenu("mnuMain")->isVisible() && elementMenu("mnuEq")->isEnabled());
    EXPECT_FALSE(elementMenu("mnuPl")->isVisible());
    expectMessage(onlyMessage(), "Open Skin", "Blue.wsz has no window-playlist.bmp or pl.bmp, so the Playlist Editor tab stays empty.",
                  MessageIcon::Exclamation);

    dialogs.clear();
    const kit::testing::Latin1Folder greenFolder(dir.path(), "Gr\xFCn");
    const std::filesystem::path& green = greenFolder.path();
    for (int tab = 2; tab >= 0; --tab)
        std::ofstream(green / std::array {"main.bmp", "eq.bmp", "pl.bmp"}[tab], std::ios::binary)
            << knapro::bmpFileBytes(elementPicture(tab));
    dialogs.choosePath(kit::fromPath(green / "pl.bmp"));
    action("mnuFileOpenSkin")->trigger();
    expectTabs({elementPicture(0), elementPicture(1), elementPicture(2)});
    EXPECT_TRUE(dialogs.messages().empty()) << "a folder, chosen by any file in it";

    child<QMenu>("mnuFileRecent")->actions().value(1)->trigger();
    expectTabs({elementPicture(0), elementPicture(1), QImage()});
    EXPECT_EQ(child<QMenu>("mnuFileRecent")->actions().value(0)->text(), "&1 " + archive) << "reopened as a skin";
    dialogs.clear();
    child<QMenu>("mnuFileRecent")->actions().value(1)->trigger();
    expectTabs({elementPicture(0), elementPicture(1), elementPicture(2)});
    EXPECT_TRUE(dialogs.messages().empty()) << "the folder reopened as a skin";

    dialogs.clear();
    picture("broken.wsz", elementPicture(0));
    dialogs.choosePath(path("broken.wsz"));
    action("mnuFileOpenSkin")->trigger();
    expectMessage(onlyMessage(), "Open Skin", "broken.wsz: not a zip archive", MessageIcon::Critical);
    expectTabs({elementPicture(0), elementPicture(1), elementPicture(2)});
}

TEST_F(Builder, OpenSkinShowsARealSkinsMainWindowComposedAndItsPlayButtonIsCutFromIt)
{
    using namespace kit::testing;
    const QString archive = path("Real.wsz");
    {
        QFile file(archive);
        const std::string bytes = zipArchive(flatSkinMembers("Real/"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
    }
    dialogs.choosePath(archive);
    action("mnuFileOpenSkin")->trigger();
    const QImage shown = child<PictureBox>("picBack(0)")->picture();
    EXPECT_EQ(QColor(shown.pixel(kTitleBarPoint)), QColor(flatSkinColour(kit::SkinFile::TitleBar)));
    EXPECT_EQ(QColor(shown.pixel(kBackgroundPoint)), QColor(flatSkinColour(kit::SkinFile::Main)));
    EXPECT_TRUE(onlyMessage().text.startsWith("Real.wsz: the Main Window tab is composed from main.bmp, cbuttons.bmp"));

    action("mnuMainControl")->trigger();
    const QImage cut = child<PictureBox>("picButton")->picture();
    EXPECT_EQ(QColor(cut.pixel(kPlayPoint - QPoint(16, 88))), QColor(flatSkinColour(kit::SkinFile::CButtons)));
}
