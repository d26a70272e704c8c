#include "region_editor/tests/plevotestsupport.h"

#include "region_editor/tests/expectedheader.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>

using kit::MessageAnswer;
using kit::MessageButtons;
using kit::MessageIcon;

namespace plevo::testing {
namespace {

class MainWindow : public PlevoWindowTest
{
protected:
    QString text(const char* name) const { return control<QLineEdit>(name)->text(); }
};

TEST_F(MainWindow, StartsAtOneTimesWithEmptyScratchFilesAndNoPanel)
{
    EXPECT_EQ(form->windowTitle(), "Plevo");
    EXPECT_EQ(form->size(), QSize(288, 186));
    EXPECT_EQ(control("Image1")->geometry(), QRect(8, 16, 275, 116));
    EXPECT_EQ(text("Text1"), "0");
    EXPECT_EQ(text("Text2"), "0");
    EXPECT_EQ(text("Text3"), "Plevo 1.0");
    for (const char* panel : {"Picture1", "Picture2", "Picture3", "Picture4"})
        EXPECT_FALSE(shown(panel)) << panel;
    EXPECT_EQ(scratchFile("~NP~01.tmp"), "NumPoints=\r\n");
    EXPECT_EQ(scratchFile("~PL~01.tmp"), "PointList=");
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(MainWindow, ReadsOutTheSkinPixelUnderThePointerAtEveryMagnification)
{
    QWidget* picture = control("Image1");
    const auto readAt = [&](QPoint p) {
        movePointer(p);
        return text("Text1") + "," + text("Text2");
    };
    EXPECT_EQ(readAt({0, 0}), "1,1");
    EXPECT_EQ(readAt({274, 115}), "275,116");
    EXPECT_EQ(readAt({10, 20}), "11,21");

    click("Image18");
    click("Image15");
    EXPECT_EQ(picture->size(), QSize(550, 232));
    EXPECT_EQ(readAt({21, 41}), "11,21");
    EXPECT_EQ(readAt({0, 0}), "1,1");
    EXPECT_EQ(readAt({549, 231}), "275,116");

    click("Image18");
    click("Image15");
    EXPECT_EQ(picture->size(), QSize(1100, 464));
    EXPECT_EQ(readAt({40, 80}), "11,21");
    EXPECT_EQ(readAt({43, 83}), "11,21");
    EXPECT_EQ(readAt({1099, 463}), "275,116");
}

TEST_F(MainWindow, AClickRecordsTheLastReadoutAndHidesEveryPanel)
{
    click("Image4");
    click("Image8");
    ASSERT_TRUE(shown("Picture2"));
    ASSERT_TRUE(shown("Picture1"));

    clickPicture({11, 6});
    EXPECT_FALSE(shown("Picture2"));
    EXPECT_FALSE(shown("Picture1"));
    EXPECT_EQ(text("Text3"), "Last point -- X:12 Y:7");
    EXPECT_EQ(control<QLineEdit>("Text3")->cursorPosition(), 0); // a long status shows its start
    ASSERT_NE(form->pointIndexWindow(), nullptr);
    EXPECT_FALSE(form->pointIndexWindow()->isVisible());
    EXPECT_EQ(scratchFile("~NP~01.tmp"), "NumPoints=1\r\n");
    EXPECT_EQ(scratchFile("~PL~01.tmp"), "PointList=12,7,");

    // A click carries no position of its own: it takes what the readouts show.
    movePointer({274, 115});
    QTest::mouseClick(control("Image1"), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(form->pointIndex().lastX, "275");
    EXPECT_EQ(form->pointIndex().total, "2");
    EXPECT_EQ(scratchFile("~PL~01.tmp"), "PointList=12,7,275,116,");

    QTest::mouseClick(control("Image1"), Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(form->pointIndex().total, "2");
}

TEST_F(MainWindow, TheDesktopsKeysSaveQuitAndCloseWindows)
{
    const auto press = [](QWidget* window, const QKeySequence& key) {
        // The offscreen platform does not hand activation between windows itself.
        QApplication::setActiveWindow(window);
        QTest::keySequence(window, key);
    };
    press(form.get(), QKeySequence::Save);
    ASSERT_NE(form->saveWindow(), nullptr);
    EXPECT_TRUE(form->saveWindow()->isVisible());
    press(form->saveWindow(), QKeySequence::Close);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->saveWindow(), nullptr);

    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(QKeySequence::Close)}) {
        dialogs.answer(MessageAnswer::No);
        press(form.get(), key);
        EXPECT_EQ(dialogs.lastCall().text, "Do you really want to quit? ");
        EXPECT_TRUE(form->isVisible());
    }
}

TEST_F(MainWindow, ThePointIndexBoxesShowCountsUpToAMillionWhole)
{
    click("Image8");
    click("Image11");
    Form4* index = form->pointIndexWindow();
    auto* total = index->findChild<QLineEdit*>("Text3");
    for (const char* count : {"7", "1500", "99999", "999999"}) {
        index->showIndex({"275", "116", count});
        EXPECT_EQ(total->cursorPosition(), 0) << count;
        // Whole, when moving to its end scrolls nothing.
        const QImage atStart = total->grab().toImage();
        total->setCursorPosition(total->text().size());
        EXPECT_EQ(total->grab().toImage(), atStart) << count;
    }
}

TEST_F(MainWindow, ThePointIndexWindowShowsTheIndexAndOnlyHidesWhenClosed)
{
    clickPicture({0, 0});
    clickPicture({99, 49});
    click("Image8");
    click("Image11");
    Form4* index = form->pointIndexWindow();
    ASSERT_TRUE(index->isVisible());
    EXPECT_FALSE(shown("Picture1"));
    const auto box = [&](const char* name) { return index->findChild<QLineEdit*>(QLatin1String(name))->text(); };
    EXPECT_EQ(box("Text1"), "100");
    EXPECT_EQ(box("Text2"), "50");
    EXPECT_EQ(box("Text3"), "2");

    clickIn(index->findChild<PictureButton*>("Image2"));
    EXPECT_EQ(dialogs.lastCall().title, "Help");
    EXPECT_EQ(dialogs.lastCall().text, "Help will be developed soon");
    EXPECT_EQ(dialogs.lastCall().icon, MessageIcon::Information);

    clickIn(index->findChild<PictureButton*>("Image1"));
    EXPECT_FALSE(index->isVisible());
    EXPECT_EQ(form->pointIndexWindow(), index);

    click("Image4");
    click("Image20");
    EXPECT_EQ(box("Text3"), "0");
    EXPECT_EQ(box("Text1"), "100");
    EXPECT_FALSE(shown("Picture2"));
    EXPECT_EQ(text("Text3"), "New file created");
    EXPECT_EQ(scratchFile("~NP~01.tmp"), "NumPoints=\r\n");
    EXPECT_EQ(scratchFile("~PL~01.tmp"), "PointList=");
}

TEST_F(MainWindow, PanelsOpenAndCloseFromTheirOwnButtons)
{
    click("Image4");
    click("Image18");
    click("Image8");
    EXPECT_TRUE(shown("Picture2"));
    EXPECT_TRUE(shown("Picture3"));
    EXPECT_TRUE(shown("Picture1"));

    click("Image10");
    EXPECT_TRUE(shown("Picture4"));
    click("Image10");
    EXPECT_FALSE(shown("Picture4"));
    click("Image10");
    click("Image8"); // the tools button closes the extras
    EXPECT_FALSE(shown("Picture4"));

    click("Image14");
    EXPECT_FALSE(shown("Picture2"));
    click("Image4");
    click("Image2");
    EXPECT_FALSE(shown("Picture2"));
    click("Image5");
    EXPECT_FALSE(shown("Picture3"));
    click("Image18");
    click("Image17");
    EXPECT_FALSE(shown("Picture3"));

    for (const char* closer : {"Image9", "Image19", "Image12", "Image21"}) {
        click("Image8");
        click("Image10");
        click(closer);
        EXPECT_FALSE(shown("Picture1")) << closer;
        EXPECT_FALSE(shown("Picture4")) << closer;
    }

    click("Image8");
    click("Image3");
    EXPECT_EQ(dialogs.lastCall().title, "Help");
    EXPECT_EQ(dialogs.lastCall().text, "Help will be developed soon");
    EXPECT_TRUE(shown("Picture1"));
}

TEST_F(MainWindow, ThePanelsCloseButtonsSitOverTheButtonsThatOpenedThem)
{
    const auto placeOf = [&](const char* name) {
        QWidget* w = control(name);
        return w->mapTo(form.get(), QPoint(0, 0));
    };
    for (auto [opener, panelButton] : {std::pair{"Image4", "Image2"}, {"Image18", "Image17"}, {"Image8", "Image12"}}) {
        click(opener);
        const QPoint offset = placeOf(panelButton) - placeOf(opener);
        EXPECT_LE(std::abs(offset.x()), 2) << panelButton;
        EXPECT_LE(std::abs(offset.y()), 2) << panelButton;
    }
}

TEST_F(MainWindow, LoadingIsNotAvailable)
{
    click("Image4");
    click("Image13");
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.lastCall().title, "Load");
    EXPECT_EQ(dialogs.lastCall().text, "Loading files code not ready");
    EXPECT_EQ(dialogs.lastCall().buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs.lastCall().icon, MessageIcon::Exclamation);
    EXPECT_EQ(text("Text3"), "Load file failed");
}

TEST_F(MainWindow, MagnifiesUpToFourTimesAndDownToOneWithTheLayoutFollowing)
{
    click("Image18");
    click("Image15");
    EXPECT_EQ(text("Text3"), "Magnify * 2 sucsesfull");
    EXPECT_FALSE(shown("Picture3"));
    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 0);
    EXPECT_EQ(form->size(), QSize(563, 302));

    click("Image18");
    click("Image15");
    EXPECT_EQ(form->size(), QSize(1113, 534));
    EXPECT_EQ(control("Image1")->size(), QSize(1100, 464));

    click("Image18");
    click("Image15");
    EXPECT_EQ(dialogs.lastCall().title, "Magnify X2");
    EXPECT_EQ(dialogs.lastCall().text, "you cant go any larger");
    EXPECT_EQ(dialogs.lastCall().icon, MessageIcon::Exclamation);
    EXPECT_EQ(text("Text3"), "Error");
    EXPECT_TRUE(shown("Picture3")); // a refusal leaves the panel open
    EXPECT_EQ(form->size(), QSize(1113, 534));

    click("Image16");
    click("Image18");
    click("Image16");
    EXPECT_EQ(text("Text3"), "Magnify * 1/2 sucsesfull");
    EXPECT_EQ(form->size(), QSize(288, 186));
    EXPECT_EQ(control("Image4")->pos(), QPoint(15, 145));
    EXPECT_EQ(control("Text3")->pos(), QPoint(145, 168));
    EXPECT_EQ(control("ProgressBar1")->width(), 145);

    click("Image18");
    click("Image16");
    EXPECT_EQ(dialogs.lastCall().title, "Magnify 1/2");
    EXPECT_EQ(dialogs.lastCall().text, "You can't go smaller");
    EXPECT_EQ(text("Text3"), "Error");
}

TEST_F(MainWindow, QuittingWithNoChangesNothing)
{
    clickPicture({5, 5});
    dialogs.answer(MessageAnswer::No);
    QSignalSpy ended(form.get(), &Form1::ended);
    click("Image6");

    EXPECT_EQ(dialogs.lastCall().title, "Plevo");
    EXPECT_EQ(dialogs.lastCall().text, "Do you really want to quit? ");
    EXPECT_EQ(dialogs.lastCall().buttons, MessageButtons::YesNo);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ended.count(), 0);
    EXPECT_EQ(form->pointIndex().total, "1");
    EXPECT_EQ(scratchFile("~PL~01.tmp"), "PointList=6,6,");
}

TEST_F(MainWindow, QuittingWithYesUnloadsEveryWindowDeletesTheScratchFolderAndEndsAfterTheCredits)
{
    clickPicture({5, 5});
    for (const char* opener : {"Image11", "Image9", "Image19", "Image21"}) {
        click("Image8");
        click(opener);
    }
    click("Image4");
    click("Image7");
    form->showHostDirectoryWindow();
    const QList<QPointer<QWidget>> windows = {form->pointIndexWindow(), form->colourPicker(), form->aboutWindow(),
                                              form->cdPlayer(),         form->saveWindow(),   form->hostDirectoryWindow()};
    for (const QPointer<QWidget>& window : windows)
        ASSERT_TRUE(window && window->isVisible());
    const QString folder = form->scratchFolder();

    int creditSteps = 0;
    pacer.onWait = [&] {
        if (form->creditsWindow() && ++creditSteps == 3)
            clickIn(form->creditsWindow()->findChild<PictureButton*>("Image1"));
    };
    dialogs.answer(MessageAnswer::Yes);
    QSignalSpy ended(form.get(), &Form1::ended);
    click("Image6");
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QDir(folder).exists());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<QWidget>& window : windows)
        EXPECT_TRUE(window.isNull());

    // The credits play, and the program ends at the end of the step in which
    // their cross was pressed.
    ASSERT_NE(form->creditsWindow(), nullptr);
    EXPECT_EQ(ended.count(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(creditSteps, 3);
    EXPECT_EQ(ended.count(), 1);

    form->close(); // a second quit asks nothing and ends nothing
    EXPECT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(MainWindow, TheToolsOpenTheirWindowsAndThePointIndexOpensTheAboutWindow)
{
    click("Image8");
    click("Image9");
    ASSERT_NE(form->colourPicker(), nullptr);
    EXPECT_EQ(form->colourPicker()->windowTitle(), "Color picker");
    click("Image8");
    click("Image10");
    click("Image21");
    ASSERT_NE(form->cdPlayer(), nullptr);
    EXPECT_EQ(form->cdPlayer()->windowTitle(), "Plevo CD Player 1.0");
    EXPECT_FALSE(shown("Picture4"));

    click("Image8");
    click("Image11");
    clickIn(form->pointIndexWindow()->findChild<PictureButton*>("Image3"));
    ASSERT_NE(form->aboutWindow(), nullptr);
    EXPECT_TRUE(form->aboutWindow()->isVisible());
}

TEST_F(MainWindow, TwoCopiesSideBySideEachSaveTheirOwnPoints)
{
    clickPicture({0, 0});
    std::unique_ptr<Form1> second = makeForm();
    second->show();
    ASSERT_NE(second->scratchFolder(), form->scratchFolder());
    QWidget* secondPicture = second->findChild<QWidget*>("Image1");
    QMouseEvent move(QEvent::MouseMove, QPointF(8, 8), secondPicture->mapToGlobal(QPointF(8, 8)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(secondPicture, &move);
    QTest::mouseClick(secondPicture, Qt::LeftButton, {}, QPoint(1, 1));
    clickPicture({1, 1});

    QDir skins(scratch.path());
    skins.mkdir("first");
    skins.mkdir("second");
    ASSERT_TRUE(form->SaveRegionFile(skins.filePath("first")).saved);
    ASSERT_TRUE(second->SaveRegionFile(skins.filePath("second")).saved);
    const auto pointsIn = [&](const char* name) {
        QFile file(skins.filePath(QLatin1String(name) + "/Region.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().mid(kRegionHeader.size()) : QByteArray("<missing>");
    };
    EXPECT_EQ(pointsIn("first"), "NumPoints=2\r\nPointList=1,1,2,2\r\n");
    EXPECT_EQ(pointsIn("second"), "NumPoints=1\r\nPointList=9,9\r\n");
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(MainWindow, ClosingTheWindowAsksTheQuitQuestion)
{
    dialogs.answer(MessageAnswer::No);
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dialogs.lastCall().text, "Do you really want to quit? ");
}

TEST_F(MainWindow, AScratchFileProblemIsReportedAndNoPointIsLost)
{
    QDir(scratch.path()).removeRecursively();
    clickPicture({1, 1});
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.lastCall().title, "Plevo");
    EXPECT_TRUE(dialogs.lastCall().text.startsWith("The scratch file " + QDir(form->scratchFolder()).filePath("~NP~01.tmp")
                                                   + " could not be written: No such file or directory."));
    clickPicture({3, 3}); // told once, not at every click
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(form->pointIndex().total, "2");

    QDir().mkpath(form->scratchFolder());
    clickPicture({2, 2});
    EXPECT_EQ(scratchFile("~PL~01.tmp"), "PointList=2,2,4,4,3,3,");
    QDir(form->scratchFolder()).removeRecursively();
    clickPicture({5, 5}); // working again in between, so a new failure is told again
    EXPECT_EQ(dialogs.messages().size(), 2u);
}

TEST_F(MainWindow, WithNoPlaceForScratchFilesItSaysSoOnceAndKeepsThePointsInMemory)
{
    dialogs.clear();
    const QString missing = QDir(scratch.path()).filePath("missing");
    Form1 alone(dialogs, *settings, pacer, [this] { return std::make_unique<InlineCdDevice>(disc); }, QStringList{missing});
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.lastCall().text, "Plevo could not make its scratch folder in " + missing
                                           + ": No such file or directory.\nYour points are kept in memory, and "
                                             "saving works as usual.");
    EXPECT_EQ(dialogs.lastCall().icon, MessageIcon::Exclamation);
    EXPECT_EQ(alone.scratchFolder(), "");

    QDir(scratch.path()).mkdir("skin");
    ASSERT_TRUE(alone.SaveRegionFile(QDir(scratch.path()).filePath("skin")).saved);
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

} // namespace
} // namespace plevo::testing
