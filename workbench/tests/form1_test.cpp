#include "form1.h"

#include "scripteddialogs.h"
#include "syntheticskin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>

using kit::MessageButtons;
using kit::MessageIcon;
using kit::testing::DialogCall;
using tessel::ColourEntry;

namespace {

std::string fileBytes(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const QString& path, const std::string& bytes)
{
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

// Line `index` of a colour file, with its CR LF.
std::string fileLine(const std::string& bytes, int index)
{
    size_t start = 0;
    for (int i = 0; i < index; ++i)
        start = bytes.find("\r\n", start) + 2;
    return bytes.substr(start, bytes.find("\r\n", start) + 2 - start);
}

class Workbench : public ::testing::Test
{
protected:
    void openColourFile(const QString& file)
    {
        dialogs.choosePath(file);
        form.Command1_Click();
    }
    std::string saveColourFile()
    {
        const QString file = temporary.filePath("Saved.txt");
        dialogs.choosePath(file);
        form.Command2_Click();
        return fileBytes(file);
    }
    void setBars(int red, int green, int blue)
    {
        form.HScroll1->setValue(red);
        form.HScroll2->setValue(green);
        form.HScroll3->setValue(blue);
    }
    ColourEntry bars() const
    {
        return {double(form.HScroll1->value()), double(form.HScroll2->value()), double(form.HScroll3->value())};
    }
    void expectMessage(const QString& text, MessageIcon icon)
    {
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const DialogCall call = dialogs.messages().front();
        EXPECT_EQ(call.title, "Tessel Editor");
        EXPECT_EQ(call.text, text);
        EXPECT_EQ(call.buttons, MessageButtons::Ok);
        EXPECT_EQ(call.icon, icon);
    }

    kit::testing::ScriptedDialogs dialogs;
    tessel::Form1 form {dialogs};
    QTemporaryDir temporary;
};

class WorkbenchWithSkin : public Workbench
{
protected:
    void openSkin()
    {
        dialogs.choosePath(skinDirectory + "main.bmp");
        form.Command9_Click();
    }
    QRgb previewPixel(int x, int y) const { return form.Picture6->picture().pixel(x, y); }

    const QString skinDirectory = temporary.path() + "/skin/";
    const bool made = QDir().mkpath(skinDirectory);
    SyntheticSkin skin {skinDirectory};
};

} // namespace

TEST_F(Workbench, StartsWithTheFullLayoutAnEmptyTableAndTheAnimationStopped)
{
    EXPECT_EQ(form.windowTitle(), "Veskit 1.x");
    EXPECT_EQ(form.size(), QSize(578, 376));
    EXPECT_EQ(form.Picture6->pos(), QPoint(285, 59));
    EXPECT_EQ(form.Picture6->size(), QSize(275, 116));
    EXPECT_EQ(form.Picture5->geometry(), QRect(25, 42, 76, 18));
    EXPECT_EQ(form.colourTable, tessel::ColourTable {});
    EXPECT_EQ(form.Command4->text(), "S&tart Vis");
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_FALSE(form.Timer2->isActive());
    EXPECT_TRUE(form.Picture5->isHidden());
    EXPECT_FALSE(form.Command5->isEnabled());
}

TEST_F(Workbench, SwitchesBetweenTheFullAndTheCompactLayout)
{
    form.show();
    form.Command10_Click();
    EXPECT_EQ(form.Command10->text(), "&Max");
    EXPECT_EQ(form.Picture6->pos(), QPoint(3, 1));
    for (QWidget* kept : std::initializer_list<QWidget*> {form.Command9, form.Command5, form.Text2, form.Combo2, form.Check2,
                                                          form.Command4, form.Command10, form.Picture6})
        EXPECT_TRUE(kept->isVisible()) << kept->metaObject()->className();
    for (QWidget* gone : std::initializer_list<QWidget*> {form.Slider1, form.HScroll1, form.Command1, form.Picture1, form.Combo1})
        EXPECT_FALSE(gone->isVisible()) << gone->metaObject()->className();
    for (QWidget* control : std::initializer_list<QWidget*> {form.Command9, form.Command5, form.Text2, form.Combo2, form.Check2,
                                                             form.Command4, form.Command10})
        EXPECT_GE(control->x(), form.Picture6->geometry().right()) << "controls stand beside the preview";
    EXPECT_LT(form.width(), 578);
    EXPECT_EQ(form.Picture5->pos(), QPoint(25, 42));

    form.Command10_Click();
    EXPECT_EQ(form.Command10->text(), "&Min");
    EXPECT_EQ(form.size(), QSize(578, 376));
    EXPECT_EQ(form.Picture6->pos(), QPoint(285, 59));
    EXPECT_TRUE(form.Slider1->isVisible());
}

TEST_F(Workbench, SavesTheTableNotTheBarsUntilACommit)
{
    setBars(200, 10, 20);
    EXPECT_EQ(fileLine(saveColourFile(), 0), " 0, 0, 0  // 0\r\n");
    form.Command3_Click();
    EXPECT_EQ(fileLine(saveColourFile(), 0), " 200, 10, 20  // 0\r\n");

    // Another entry and back keeps what the bars held.
    setBars(1, 2, 3);
    form.Slider1->setValue(4);
    EXPECT_EQ(bars(), (ColourEntry {0, 0, 0}));
    form.Slider1->setValue(0);
    EXPECT_EQ(bars(), (ColourEntry {1, 2, 3}));
    EXPECT_EQ(form.colourTable[0], (ColourEntry {1, 2, 3}));
}

TEST_F(Workbench, CutsAnEntryTo255OnlyWhenItIsSelected)
{
    const QString file = temporary.filePath("Tessel.txt");
    writeBytes(file, "300,-3,12.5\r\n300,12.5,-3\r\n300,0,0\r\n400,0,0\r\n");
    openColourFile(file);
    EXPECT_EQ(form.colourTable[0], (ColourEntry {300, -3, 12.5}));
    EXPECT_EQ(bars(), (ColourEntry {255, 0, 13}));

    // Selecting entry 1 stores the bars into entry 0 and cuts entry 1.
    form.Slider1->setValue(1);
    EXPECT_EQ(form.colourTable[0], (ColourEntry {255, 0, 13}));
    EXPECT_EQ(form.colourTable[1], (ColourEntry {255, 12.5, -3}));
    EXPECT_EQ(bars(), (ColourEntry {255, 13, 0}));
    const std::string saved = saveColourFile();
    EXPECT_EQ(fileLine(saved, 1), " 255, 12.5,-3  // 1\r\n");
    EXPECT_EQ(fileLine(saved, 2), " 300, 0, 0  // 2\r\n");

    // A drag from entry 1 over entry 2 to entry 3 selects entry 3 alone.
    form.Slider1->setSliderDown(true);
    form.Slider1->setSliderPosition(2);
    form.Slider1->setSliderPosition(3);
    form.Slider1->setSliderDown(false);
    EXPECT_EQ(form.editIndex, 3);
    EXPECT_EQ(form.colourTable[2], (ColourEntry {300, 0, 0}));
    EXPECT_EQ(form.colourTable[3], (ColourEntry {255, 0, 0}));
}

TEST_F(Workbench, LoadingShowsTheFileSelectsEntryZeroAndKeepsTheLoadedTable)
{
    setBars(99, 99, 99);
    form.Slider1->setValue(3);
    const QString file = temporary.filePath("Tessel.txt");
    writeBytes(file, "1,2,3\r\n4,5,6\r\n");
    openColourFile(file);

    EXPECT_EQ(form.Slider1->value(), 0);
    EXPECT_EQ(form.editIndex, 0);
    EXPECT_EQ(form.colourTable[0], (ColourEntry {1, 2, 3}));
    EXPECT_EQ(form.colourTable[3], (ColourEntry {0, 0, 0}));
    EXPECT_EQ(bars(), (ColourEntry {1, 2, 3}));
    EXPECT_TRUE(form.Label4->text().startsWith(" 1, 2, 3\n 4, 5, 6\n 0, 0, 0\n"));
    EXPECT_EQ(form.Label4->text().count('\n'), 22);
    EXPECT_TRUE(form.Label5->text().startsWith("// 0\n// 1\n"));
    EXPECT_TRUE(form.Label5->text().endsWith("// 22"));
    EXPECT_EQ(form.skinDirectory, temporary.path() + "/");
    EXPECT_TRUE(form.Command5->isEnabled());
    EXPECT_EQ(dialogs.lastCall().kind, DialogCall::Kind::OpenFile);
    EXPECT_EQ(dialogs.lastCall().file.filter, "");
    EXPECT_EQ(dialogs.lastCall().file.fileName, "");
}

TEST_F(Workbench, AFileThatCannotBeReadOrWrittenIsReportedAndChangesNothing)
{
    setBars(7, 8, 9);
    form.Command3_Click();
    const tessel::ColourTable before = form.colourTable;
    const QString missing = temporary.filePath("Missing.txt");
    openColourFile(missing);
    expectMessage("Could not read " + missing + "\r\nNo such file or directory", MessageIcon::Exclamation);
    EXPECT_EQ(form.colourTable, before);
    EXPECT_EQ(bars(), (ColourEntry {7, 8, 9}));
    EXPECT_EQ(form.skinDirectory, "");

    dialogs.clear();
    const QString vanished = temporary.filePath("gone/Tessel.txt");
    dialogs.choosePath(vanished);
    form.Command2_Click();
    expectMessage("Could not save " + vanished + "\r\nNo such file or directory", MessageIcon::Exclamation);
    EXPECT_FALSE(QDir(temporary.filePath("gone")).exists());
}

TEST_F(Workbench, CancelledDialogsDoNothing)
{
    dialogs.cancelPath().cancelPath().cancelPath();
    form.Command1_Click();
    form.Command2_Click();
    form.Command9_Click();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(form.skinDirectory, "");
    EXPECT_TRUE(QDir(temporary.path()).isEmpty());
    ASSERT_EQ(dialogs.calls().size(), 3u);
    EXPECT_EQ(dialogs.calls()[1].kind, DialogCall::Kind::SaveFile);
    EXPECT_EQ(dialogs.calls()[1].file.filter, "");
}

TEST_F(Workbench, BlackThenUpdateBlanksTheEntryAndClearBlanksEverything)
{
    form.Slider1->setValue(5);
    setBars(200, 10, 10);
    form.Command3_Click();
    form.Command7_Click();
    EXPECT_EQ(bars(), (ColourEntry {0, 0, 0}));
    EXPECT_EQ(form.colourTable[5], (ColourEntry {200, 10, 10}));
    form.Command3_Click();
    EXPECT_EQ(form.colourTable[5], (ColourEntry {0, 0, 0}));

    form.colourTable[9] = {1, 2, 3};
    setBars(200, 10, 10);
    form.Command6_Click();
    EXPECT_EQ(bars(), (ColourEntry {0, 0, 0}));
    EXPECT_EQ(form.colourTable, tessel::ColourTable {});
    EXPECT_EQ(form.editIndex, 5);
}

TEST_F(Workbench, FadeCommitsTheBarsFirstAndRunsBetweenTheTwoSliders)
{
    form.colourTable[6] = {255, 128, 0};
    form.Slider1->setValue(2);
    setBars(0, 0, 0);
    form.Slider2->setValue(6);
    form.Command8_Click();
    EXPECT_EQ(form.colourTable[3], (ColourEntry {64, 32, 0}));
    EXPECT_EQ(form.colourTable[4], (ColourEntry {128, 64, 0}));
    EXPECT_EQ(form.colourTable[5], (ColourEntry {191, 96, 0}));
    EXPECT_EQ(bars(), (ColourEntry {0, 0, 0}));
    // The static preview shows the fade at once: the Lines bar of entry 4.
    EXPECT_EQ(form.Picture1->picture().pixel(47, 17), qRgb(128, 64, 0));
}

TEST_F(Workbench, RefreshShowsTheBarsTheSelectionAndTheFadeEnd)
{
    setBars(10, 20, 30);
    form.colourTable[7] = {300, 40, 50};
    form.Slider2->setValue(7);
    form.Timer1_Timer();
    EXPECT_EQ(form.Label1[0]->text(), "10");
    EXPECT_EQ(form.Label1[1]->text(), "20");
    EXPECT_EQ(form.Label1[2]->text(), "30");
    EXPECT_EQ(form.Picture3->picture().pixel(45, 55), qRgb(10, 20, 30));
    EXPECT_EQ(form.Label2->text(), "0");
    EXPECT_EQ(form.Label15->text(), "7");
    EXPECT_EQ(form.Picture19->picture().pixel(0, 0), qRgb(255, 40, 50));
}

TEST_F(Workbench, ExplainsTheColourIndicesWithTheirOwnLineBreaks)
{
    form.show();
    QTest::mouseClick(form.Label3, Qt::LeftButton);
    expectMessage("Colors 3-15 for normal analzer\r\n3-15 for Fire Analyzer\r\n2-14 for Line analyer", MessageIcon::None);

    dialogs.clear();
    form.mnuVisinf->trigger();
    expectMessage("0,1 = Background\n\r2-17 = Spectrum Analyzer\n\r18-22 = Olliscope\n\r"
                  "Fading, place fade bar at the end point and the color it is currently at is shown at the bottom.\n\r"
                  "The start color is the color currently being edited by the bar on the left.",
                  MessageIcon::None);
    EXPECT_FALSE(form.mnuVislear->isEnabled());
}

TEST_F(Workbench, StartVisCommitsAndTogglesTheAnimationWhoseStyleFollowsTheCombo)
{
    form.Slider1->setValue(2);
    setBars(255, 0, 0);
    form.Command4_Click();
    EXPECT_EQ(form.colourTable[2], (ColourEntry {255, 0, 0}));
    EXPECT_EQ(form.Command4->text(), "S&top Vis");
    EXPECT_TRUE(form.Timer2->isActive());
    EXPECT_FALSE(form.Picture5->isHidden());

    // In the Lines style only entry 2's bar is red: a column that drew it is red
    // from the bar's top row down, and no other pixel is.
    form.Combo1->setCurrentText("Lines");
    form.Timer2_Timer();
    EXPECT_EQ(form.styleOffset, 43);
    const QImage frame = form.Picture5->picture();
    for (int x = 0; x < frame.width(); ++x) {
        const bool drewTheRedBar = frame.pixel(x, 17) == qRgb(255, 0, 0);
        for (int y = 0; y < frame.height(); ++y)
            EXPECT_EQ(frame.pixel(x, y) == qRgb(255, 0, 0), drewTheRedBar && y >= 5) << x << "," << y;
    }
    form.Combo1->setCurrentText("Fi");
    form.Timer2_Timer();
    EXPECT_EQ(form.styleOffset, 43);
    form.Combo1->setCurrentText("Fire");
    form.Timer2_Timer();
    EXPECT_EQ(form.styleOffset, 22);
    EXPECT_EQ(form.Picture5->picture().size(), QSize(76, 18));

    form.Command4_Click();
    EXPECT_EQ(form.Command4->text(), "S&tart Vis");
    EXPECT_FALSE(form.Timer2->isActive());
    EXPECT_TRUE(form.Picture5->isHidden());
}

TEST_F(Workbench, ExitClosesTheWindowWithoutSaving)
{
    form.show();
    form.mnuExit->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(QDir(temporary.path()).isEmpty());
}

TEST_F(Workbench, StayOnTopIsARealHintAndKeepsTheWindowWhereItWas)
{
    form.show();
    const QRect before = form.geometry();
    form.Check2->setChecked(true);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.geometry(), before);
    form.Check2->setChecked(false);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form.geometry(), before);
}

TEST_F(WorkbenchWithSkin, OpensASkinByAnyOfItsFilesAndComposesIt)
{
    openSkin();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(form.skinDirectory, skinDirectory);
    EXPECT_EQ(previewPixel(39, 88), skin.colour("cbuttons.play"));
    EXPECT_EQ(previewPixel(239, 41), skin.colour("monoster.stereo.lit"));
    EXPECT_EQ(previewPixel(112, 27), skin.colour("text.T"));
    EXPECT_EQ(form.Picture17->picture().pixel(0, 0), skin.colour("posbar.knob"));

    form.Combo2->setCurrentText("Mono");
    EXPECT_EQ(previewPixel(212, 41), skin.colour("monoster.mono.lit"));
    EXPECT_EQ(previewPixel(239, 41), skin.colour("monoster.stereo.unlit"));

    form.Text2->setText("ok");
    EXPECT_EQ(previewPixel(112, 27), skin.colour("text.O"));
    EXPECT_EQ(previewPixel(117, 27), skin.colour("text.K"));
    EXPECT_EQ(previewPixel(122, 27), skin.colour("text.blank.29.0"));

    // The animation runs over the visualization area.
    form.Command4_Click();
    EXPECT_EQ(form.Picture5->parentWidget(), form.Picture6);
}

TEST_F(WorkbenchWithSkin, ReportsBitmapsThatFailAndRefreshesFromTheSameDirectory)
{
    skin.remove("numbers.bmp");
    openSkin();
    expectMessage("An Error occured while loading skin, Not all bmps were found in the directory specified.",
                  MessageIcon::Exclamation);
    EXPECT_EQ(previewPixel(39, 88), skin.colour("cbuttons.play"));
    EXPECT_EQ(previewPixel(48, 26), skin.colour("main"));

    // Put the file back: Refresh Skin reads the same directory without asking.
    SyntheticSkin again(skinDirectory);
    dialogs.clear();
    form.Command5_Click();
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(previewPixel(48, 26), again.colour("numbers.0"));

    again.replaceWithText("text.bmp");
    form.Command5_Click();
    expectMessage("Unrecognized BMP Format: " + skinDirectory + "text.bmp\r\nResave file in a BMP editor.",
                  MessageIcon::Exclamation);
}

TEST_F(WorkbenchWithSkin, LoadsTheSkinBesideAColourFileWhenAutoSkinLoadIsChecked)
{
    const QString file = skinDirectory + "Tessel.txt";
    writeBytes(file, "1,2,3\r\n");
    openColourFile(file);
    EXPECT_EQ(previewPixel(39, 88), qRgb(0, 0, 0));

    form.Check1->setChecked(true);
    openColourFile(file);
    EXPECT_EQ(previewPixel(39, 88), skin.colour("cbuttons.play"));
}

TEST_F(WorkbenchWithSkin, DrawsAButtonPressedWhileTheMouseHoldsIt)
{
    openSkin();
    form.show();
    QTest::mousePress(form.Picture6, Qt::LeftButton, {}, {45, 95});
    EXPECT_EQ(previewPixel(39, 88), skin.colour("cbuttons.play.held"));
    EXPECT_EQ(previewPixel(16, 88), skin.colour("cbuttons.back"));

    // Off the button it springs back; over it again it is held again.
    form.Picture6_MouseMove(Qt::LeftButton, {120, 40});
    EXPECT_EQ(previewPixel(39, 88), skin.colour("cbuttons.play"));
    form.Picture6_MouseMove(Qt::LeftButton, {50, 100});
    EXPECT_EQ(previewPixel(39, 88), skin.colour("cbuttons.play.held"));

    QTest::mouseRelease(form.Picture6, Qt::LeftButton, {}, {50, 100});
    EXPECT_EQ(previewPixel(39, 88), skin.colour("cbuttons.play"));

    QTest::mousePress(form.Picture6, Qt::RightButton, {}, {45, 95});
    EXPECT_EQ(previewPixel(39, 88), skin.colour("cbuttons.play"));
}

TEST_F(WorkbenchWithSkin, ThePositionKnobFollowsThePointerWithinTheBar)
{
    openSkin();
    form.Picture17_MouseDown(Qt::LeftButton, {4, 5});
    EXPECT_EQ(form.Picture17->picture().pixel(0, 0), skin.colour("posbar.knob.held"));
    form.Picture17_MouseMove(Qt::LeftButton, {104, 5});
    EXPECT_EQ(form.Picture17->pos(), QPoint(117, 72));
    form.Picture17_MouseMove(Qt::LeftButton, {500, 5});
    EXPECT_EQ(form.Picture17->x(), 237);
    form.Picture17_MouseMove(Qt::LeftButton, {-500, 5});
    EXPECT_EQ(form.Picture17->x(), 17);
    form.Picture17_MouseUp(Qt::LeftButton, {0, 0});
    EXPECT_EQ(form.Picture17->picture().pixel(0, 0), skin.colour("posbar.knob"));
}
