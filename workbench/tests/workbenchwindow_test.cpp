#include "workbenchwindow.h"

#include "scripteddialogs.h"
#include "syntheticskin.h"

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include <array>
#include <fstream>

using kit::MessageIcon;
using tessel::ColourEntry;
using tessel::SkinFile;

namespace {

const QString kNotAllFound = "An Error occured while loading skin, Not all bmps were found in the directory specified.";

class Workbench : public ::testing::Test
{
protected:
    // Opens `name` in the temporary directory, first writing `bytes` into it unless they are null.
    void openColourFile(const QString& name, const char* bytes = nullptr)
    {
        if (bytes)
            std::ofstream(temporary.filePath(name).toStdString(), std::ios::binary) << bytes;
        dialogs.choosePath(temporary.filePath(name));
        form.Command1_Click();
    }
    // Line `index` of the file that Save Vis writes, with its CR LF.
    std::string savedLine(int index)
    {
        dialogs.choosePath(temporary.filePath("Saved.txt"));
        form.Command2_Click();
        std::ifstream in(temporary.filePath("Saved.txt").toStdString(), std::ios::binary);
        std::string line;
        for (int i = 0; i <= index; ++i)
            std::getline(in, line);
        return line + "\n";
    }
    void setBars(const ColourEntry& entry)
    {
        for (int c = 0; c < 3; ++c)
            bar(c)->setValue(int(entry[size_t(c)]));
    }
    ColourEntry bars() const { return {double(bar(0)->value()), double(bar(1)->value()), double(bar(2)->value())}; }
    QScrollBar* bar(int c) const { return std::array {form.HScroll1, form.HScroll2, form.HScroll3}[size_t(c)]; }
    // The one message shown since the last check.
    void expectMessage(const QString& text, MessageIcon icon)
    {
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const kit::testing::DialogCall call = dialogs.messages().front();
        EXPECT_EQ(call.title + "|" + call.text, "Tessel Editor|" + text);
        EXPECT_EQ(call.buttons, kit::MessageButtons::Ok);
        EXPECT_EQ(call.icon, icon);
        dialogs.clear();
    }
    QRgb previewPixel(int x, int y) const { return form.Picture6->picture().pixel(x, y); }

    kit::testing::ScriptedDialogs dialogs;
    tessel::Form1 form {dialogs};
    QTemporaryDir temporary;
};

} // namespace

TEST_F(Workbench, StartsInTheFullLayoutAndSwitchesToTheCompactOneAndBack)
{
    EXPECT_EQ(form.windowTitle(), "Veskit 1.x");
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_FALSE(form.Command5->isEnabled());
    form.show();
    const QWidget* kept[] = {form.Command9, form.Command5, form.Text2, form.Combo2, form.Check2, form.Command4, form.Command10};
    const QWidget* fullOnly[] = {form.Slider1, form.HScroll1, form.Command1, form.Picture1, form.Combo1};
    for (const bool full : {true, false, true}) {
        EXPECT_EQ(form.Command10->text(), full ? "&Min" : "&Max");
        EXPECT_EQ(form.Picture6->pos(), full ? QPoint(285, 59) : QPoint(3, 1));
        EXPECT_EQ(form.Picture5->mapTo(&form, QPoint()), form.Picture6->mapTo(&form, QPoint(25, 42)));
        EXPECT_EQ(form.size() == QSize(578, 376), full);
        for (const QWidget* control : kept)
            EXPECT_TRUE(control->isVisible() && (full || control->x() > form.Picture6->geometry().right()));
        for (const QWidget* control : fullOnly)
            EXPECT_EQ(control->isVisible(), full);
        form.Command10_Click();
    }
}

TEST_F(Workbench, SavesTheTableNotTheBarsUntilACommit)
{
    setBars({200, 10, 20});
    EXPECT_EQ(savedLine(0), " 0, 0, 0  // 0\r\n");
    form.Command3_Click();
    EXPECT_EQ(savedLine(0), " 200, 10, 20  // 0\r\n");
}

TEST_F(Workbench, LoadingSelectsEntryZeroAndShowsTheFileAndSelectingCutsAnEntryTo255)
{
    setBars({99, 99, 99});
    form.Slider1->setValue(3);
    openColourFile("Tessel.txt", "300,-3,12.5\r\n300,12.5,-3\r\n300,0,0\r\n400,0,0\r\n");
    EXPECT_EQ(dialogs.lastCall().file.filter + dialogs.lastCall().file.fileName, "");
    EXPECT_EQ(form.Slider1->value() + form.editIndex, 0);
    EXPECT_EQ(form.colourTable[0], (ColourEntry {300, -3, 12.5}));
    EXPECT_EQ(bars(), (ColourEntry {255, 0, 13}));
    EXPECT_TRUE(form.Label4->text().startsWith(" 300,-3, 12.5\n 300, 12.5,-3\n"));
    EXPECT_EQ(form.Label4->text().count('\n'), 22);
    EXPECT_TRUE(form.Label5->text().startsWith("// 0\n// 1\n") && form.Label5->text().endsWith("\n// 22"));
    EXPECT_TRUE(form.Command5->isEnabled());

    // Selecting entry 1 stores the bars into entry 0 and cuts entry 1 alone.
    form.Slider1->setValue(1);
    EXPECT_EQ(form.colourTable[0], (ColourEntry {255, 0, 13}));
    EXPECT_EQ(bars(), (ColourEntry {255, 13, 0}));
    EXPECT_EQ(savedLine(1), " 255, 12.5,-3  // 1\r\n");
    // A drag from entry 1 over entry 2 to entry 3 selects entry 3 alone.
    form.Slider1->setSliderDown(true);
    form.Slider1->setSliderPosition(2);
    form.Slider1->setSliderPosition(3);
    form.Slider1->setSliderDown(false);
    EXPECT_EQ(form.editIndex, 3);
    EXPECT_EQ(form.colourTable[2], (ColourEntry {300, 0, 0}));
    EXPECT_EQ(form.colourTable[3], (ColourEntry {255, 0, 0}));
}

TEST_F(Workbench, AFileThatCannotBeReadOrWrittenIsReportedAndACancelDoesNothing)
{
    form.colourTable[4] = {7, 8, 9};
    const tessel::ColourTable before = form.colourTable;
    openColourFile("Missing.txt");
    expectMessage("Could not read " + temporary.filePath("Missing.txt") + "\r\nNo such file or directory",
                  MessageIcon::Exclamation);
    EXPECT_EQ(form.colourTable, before);
    EXPECT_EQ(form.skinDirectory, "");

    dialogs.choosePath(temporary.filePath("gone/Tessel.txt"));
    form.Command2_Click();
    expectMessage("Could not save " + temporary.filePath("gone/Tessel.txt") + "\r\nNo such file or directory",
                  MessageIcon::Exclamation);

    dialogs.cancelPath().cancelPath().cancelPath();
    form.Command1_Click();
    form.Command2_Click();
    form.Command9_Click();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(form.skinDirectory, "");
    EXPECT_TRUE(QDir(temporary.path()).isEmpty());
    EXPECT_EQ(dialogs.calls()[1].file.filter, "");
}

TEST_F(Workbench, BlackSetsOnlyTheBarsAndClearBlanksEverything)
{
    form.colourTable[5] = {200, 10, 10};
    form.Slider1->setValue(5);
    form.Command7_Click();
    EXPECT_EQ(bars(), (ColourEntry {0, 0, 0}));
    EXPECT_EQ(form.colourTable[5], (ColourEntry {200, 10, 10}));

    form.colourTable[9] = {1, 2, 3};
    setBars({200, 10, 10});
    form.Command6_Click();
    EXPECT_EQ(bars(), (ColourEntry {0, 0, 0}));
    EXPECT_EQ(form.colourTable, tessel::ColourTable {});
    EXPECT_EQ(form.editIndex, 5);
}

TEST_F(Workbench, FadeCommitsTheBarsFirstAndRunsBetweenTheTwoSliders)
{
    form.colourTable[6] = {255, 128, 0};
    form.Slider1->setValue(2);
    setBars({0, 0, 40});
    form.Slider2->setValue(6);
    form.Command8_Click();
    EXPECT_EQ(form.colourTable[2], (ColourEntry {0, 0, 40}));
    EXPECT_EQ(form.colourTable[4], (ColourEntry {128, 64, 20}));
    EXPECT_EQ(bars(), (ColourEntry {0, 0, 40}));
    // The static preview shows the fade at once: the Lines bar of entry 4.
    EXPECT_EQ(form.Picture1->picture().pixel(47, 17), qRgb(128, 64, 20));
}

TEST_F(Workbench, RefreshShowsTheBarsTheSelectionAndTheFadeEnd)
{
    setBars({10, 20, 30});
    form.colourTable[7] = {300, 40, 50};
    form.Slider2->setValue(7);
    form.Timer1_Timer();
    EXPECT_EQ(form.Label1[0]->text() + form.Label1[1]->text() + form.Label1[2]->text(), "102030");
    EXPECT_EQ(form.Picture3->picture().pixel(45, 55), qRgb(10, 20, 30));
    EXPECT_EQ(form.Label2->text() + "|" + form.Label15->text(), "0|7");
    EXPECT_EQ(form.Picture19->picture().pixel(0, 0), qRgb(255, 40, 50));
}

TEST_F(Workbench, ExplainsTheColourIndicesWithTheirOwnLineBreaks)
{
    form.show();
    QTest::mouseClick(form.Label3, Qt::LeftButton);
    expectMessage("Colors 3-15 for normal analzer\r\n3-15 for Fire Analyzer\r\n2-14 for Line analyer", MessageIcon::None);
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
    setBars({255, 0, 0});
    for (const bool running : {true, false}) {
        EXPECT_EQ(form.Picture5->isHidden(), running);
        form.Command4_Click();
        EXPECT_EQ(form.Command4->text(), running ? "S&top Vis" : "S&tart Vis");
        EXPECT_EQ(form.Timer2->isActive(), running);
        EXPECT_EQ(form.Picture5->isHidden(), !running);
    }
    EXPECT_EQ(form.colourTable[2], (ColourEntry {255, 0, 0}));

    // In the Lines style only entry 2's bar is red: a column that drew it is red
    // from the bar's top row down, and no other pixel is.
    form.Combo1->setCurrentText("Lines");
    form.Timer2_Timer();
    const QImage frame = form.Picture5->picture();
    for (int x = 0; x < frame.width(); ++x)
        for (int y = 0; y < frame.height(); ++y)
            EXPECT_EQ(frame.pixel(x, y) == qRgb(255, 0, 0), frame.pixel(x, 17) == qRgb(255, 0, 0) && y >= 5)
                << x << "," << y;
    for (const auto& [text, offset] : {std::pair {"Fi", 43}, {"Fire", 22}, {"Normal", 3}}) {
        form.Combo1->setCurrentText(text);
        form.Timer2_Timer();
        EXPECT_EQ(form.styleOffset, offset) << text;
    }
}

TEST_F(Workbench, ExitClosesTheWindowAndStayOnTopIsARealHintThatKeepsItsPlace)
{
    form.show();
    const QRect before = form.geometry();
    for (const bool onTop : {true, false}) {
        form.Check2->setChecked(onTop);
        EXPECT_EQ(bool(form.windowFlags() & Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.geometry(), before);
    }
    form.mnuExit->trigger();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Workbench, OpensASkinBesideAColourFileOrByAnyOfItsFilesAndComposesIt)
{
    writeSyntheticSkin(temporary.path() + "/");
    openColourFile("Tessel.txt", "1,2,3\r\n");
    EXPECT_EQ(previewPixel(39, 88), qRgb(0, 0, 0));
    form.Check1->setChecked(true);
    openColourFile("Tessel.txt");
    EXPECT_EQ(previewPixel(39, 88), skinPixel(SkinFile::CButtons, 23, 0));

    form.skinDirectory.clear();
    dialogs.choosePath(temporary.filePath("playpaus.bmp"));
    form.Command9_Click();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(form.skinDirectory, temporary.path() + "/");
    EXPECT_EQ(form.Picture17->picture().pixel(0, 0), skinPixel(SkinFile::PosBar, 249, 0));
    form.Combo2->setCurrentText("Mono");
    EXPECT_EQ(previewPixel(212, 41), skinPixel(SkinFile::MonoSter, 29, 0));
    form.Text2->setText("ok");
    EXPECT_EQ(previewPixel(117, 27), skinPixel(SkinFile::Text, 50, 0));

    // With a bitmap gone the others are still drawn; Refresh Skin reads the same directory without asking.
    ASSERT_TRUE(QFile::remove(temporary.filePath("numbers.bmp")));
    form.Command5_Click();
    expectMessage(kNotAllFound, MessageIcon::Exclamation);
    EXPECT_EQ(previewPixel(48, 26), skinPixel(SkinFile::Main, 48, 26));
    writeSyntheticSkin(temporary.path() + "/");
    form.Command5_Click();
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(previewPixel(48, 26), skinPixel(SkinFile::Numbers, 0, 0));
}

TEST_F(Workbench, DrawsAButtonPressedWhileTheMouseHoldsItAndMovesTheKnobWithinTheBar)
{
    writeSyntheticSkin(temporary.path() + "/");
    dialogs.choosePath(temporary.filePath("main.bmp"));
    form.Command9_Click();
    form.show();
    const QRgb up = skinPixel(SkinFile::CButtons, 23, 0);
    const QRgb held = skinPixel(SkinFile::CButtons, 23, 18);
    QTest::mousePress(form.Picture6, Qt::LeftButton, {}, {45, 95});
    EXPECT_EQ(previewPixel(39, 88), held);
    // Off the button it springs back; over it again it is held again.
    form.Picture6_MouseMove(Qt::LeftButton, {120, 40});
    EXPECT_EQ(previewPixel(39, 88), up);
    form.Picture6_MouseMove(Qt::LeftButton, {50, 100});
    EXPECT_EQ(previewPixel(39, 88), held);
    QTest::mouseRelease(form.Picture6, Qt::LeftButton, {}, {50, 100});
    EXPECT_EQ(previewPixel(39, 88), up);
    QTest::mousePress(form.Picture6, Qt::RightButton, {}, {45, 95});
    EXPECT_EQ(previewPixel(39, 88), up);

    form.Picture17_MouseDown(Qt::LeftButton, {4, 5});
    EXPECT_EQ(form.Picture17->picture().pixel(0, 0), skinPixel(SkinFile::PosBar, 278, 0));
    for (const auto& [pointerX, knobX] : {std::pair {104, 117}, {500, 237}, {-500, 17}}) {
        form.Picture17_MouseMove(Qt::LeftButton, {pointerX, 5});
        EXPECT_EQ(form.Picture17->pos(), QPoint(knobX, 72));
    }
    form.Picture17_MouseUp(Qt::LeftButton, {0, 0});
    EXPECT_EQ(form.Picture17->picture().pixel(0, 0), skinPixel(SkinFile::PosBar, 249, 0));
}
