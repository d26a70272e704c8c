#include "workbench/ui/workbenchwindow.h"

#include "workbench/ui/colourpanel.h"
#include "workbench/ui/skinpanel.h"

#include "common/core/textconversion.h"
#include "common/testing/diskfull.h"
#include "common/testing/scripteddialogs.h"
#include "common/testing/temporarysettings.h"
#include "common/testing/unprivileged.h"
#include "common/ui/picturebox.h"
#include "workbench/core/pixels.h"
#include "workbench/core/regionfile.h"
#include "workbench/tests/syntheticskin.h"
#include "workbench/tests/textfit.h"

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using kit::MessageIcon;
using tessel::ColourEntry;
using tessel::PictureBox;
using tessel::SkinFile;

namespace {

const QString kNotAllFound = "An Error occured while loading skin, Not all bmps were found in the directory specified.";
const std::string kRegionHeader = ";Made With Tessel 2.x, the colour and region workbench of the skin kit\r\n[Normal]\r\n";
constexpr QRgb kBlack = qRgb(0, 0, 0);

std::string fileBytes(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const QString& path, const std::string& bytes) { std::ofstream(path.toStdString(), std::ios::binary) << bytes; }

QWidget* topLevel(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name))
            return window;
    return nullptr;
}

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
{
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

class Workbench : public ::testing::Test
{
protected:
    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* found = form.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) const { control<QPushButton>(name)->click(); }
    void trigger(const char* name) const { control<QAction>(name)->trigger(); }
    QString text(const char* name) const { return control<QLineEdit>(name)->text(); }
    QString label(const char* name) const { return control<QLabel>(name)->text(); }
    const QImage& picture(const char* name) const { return control<PictureBox>(name)->picture(); }
    QRgb previewPixel(int x, int y) const { return picture("Picture6").pixel(x, y); }
    tessel::ColourPanel& colours() const { return *form.findChild<tessel::ColourPanel*>(); }
    tessel::SkinPanel& skin() const { return *form.findChild<tessel::SkinPanel*>(); }

    // Opens `name` in the temporary directory, first writing `bytes` into it unless they are null.
    void openColourFile(const QString& name, const char* bytes = nullptr)
    {
        if (bytes)
            writeFile(temporary.filePath(name), bytes);
        dialogs.choosePath(temporary.filePath(name));
        click("Command1");
    }
    void openSkin()
    {
        writeSyntheticSkin(temporary.path() + "/");
        dialogs.choosePath(temporary.filePath("main.bmp"));
        click("Command9");
    }
    // Line `index` of the file that Save Vis writes, with its CR LF.
    std::string savedLine(int index)
    {
        dialogs.choosePath(temporary.filePath("Saved.txt"));
        click("Command2");
        std::istringstream in(fileBytes(temporary.filePath("Saved.txt")));
        std::string line;
        for (int i = 0; i <= index; ++i)
            std::getline(in, line);
        return line + "\n";
    }
    QScrollBar* bar(int c) const { return control<QScrollBar>(std::array {"HScroll1", "HScroll2", "HScroll3"}[size_t(c)]); }
    void setBars(const ColourEntry& entry)
    {
        for (int c = 0; c < 3; ++c)
            bar(c)->setValue(int(entry[size_t(c)]));
    }
    ColourEntry bars() const { return {double(bar(0)->value()), double(bar(1)->value()), double(bar(2)->value())}; }

    // Mouse work in a picture: presses and releases with a button, and moves with the left one held.
    void press(const char* picture, Qt::MouseButton button, QPoint at, QWidget* window = nullptr)
    {
        QWidget* target = window ? window->findChild<QWidget*>(QLatin1String(picture)) : control(picture);
        sendMouse(target, QEvent::MouseButtonPress, button, button, at);
        sendMouse(target, QEvent::MouseButtonRelease, button, Qt::NoButton, at);
    }
    void drag(QPoint from, std::initializer_list<QPoint> through)
    {
        QWidget* area = control("Picture20");
        sendMouse(area, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
        for (const QPoint at : through)
            sendMouse(area, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, at);
    }
    void release(QPoint at) { sendMouse(control("Picture20"), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, at); }

    // The one message shown since the last check.
    void expectMessage(const QString& message, MessageIcon icon)
    {
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const kit::testing::DialogCall call = dialogs.messages().front();
        EXPECT_EQ(call.title + "|" + call.text, "Tessel Editor|" + message);
        EXPECT_EQ(call.buttons, kit::MessageButtons::Ok);
        EXPECT_EQ(call.icon, icon);
        dialogs.clear();
    }

    kit::testing::ScriptedDialogs dialogs;
    kit::testing::TemporarySettings settings;
    tessel::Form1 form {dialogs, *settings};
    QTemporaryDir temporary;
};

} // namespace

TEST_F(Workbench, StartsInTheFullLayoutAndSwitchesToTheCompactOneAndBack)
{
    EXPECT_EQ(form.windowTitle(), "Veskit 1.x");
    EXPECT_TRUE(control<QTimer>("Timer1")->isActive());
    EXPECT_FALSE(control("Command5")->isEnabled());
    form.show();
    const char* kept[] = {"Command9", "Command5", "Text2", "Combo2", "Check2", "Command4", "Command10"};
    const char* fullOnly[] = {"Slider1", "HScroll1", "Command1", "Picture1", "Combo1", "Picture20", "Command13", "Text4"};
    for (const bool full : {true, false, true}) {
        EXPECT_EQ(control<QPushButton>("Command10")->text(), full ? "&Min" : "&Max");
        EXPECT_EQ(control("Picture6")->pos(), full ? QPoint(285, 59) : QPoint(3, 1));
        EXPECT_EQ(control("Picture5")->mapTo(&form, QPoint()), control("Picture6")->mapTo(&form, QPoint(25, 42)));
        EXPECT_EQ(form.size() == QSize(578, 376), full);
        for (const char* name : kept)
            EXPECT_TRUE(control(name)->isVisible() && (full || control(name)->x() > control("Picture6")->geometry().right()))
                << name;
        for (const char* name : fullOnly)
            EXPECT_EQ(control(name)->isVisible(), full) << name;
        // Every control of the full layout lies inside the window.
        for (const char* name : fullOnly) {
            if (full) {
                EXPECT_TRUE(form.rect().contains(control(name)->geometry().translated(form.centralWidget()->pos())))
                    << name;
            }
        }
        click("Command10");
    }
}

TEST_F(Workbench, EveryControlShownTakesTheMouseWhereverThePanelsInterlock)
{
    form.show();
    QWidget* body = form.centralWidget();
    for (const bool full : {true, false}) {
        int checked = 0;
        for (QWidget* control : body->findChildren<QWidget*>()) {
            const bool panel = control->parentWidget() == body;
            if (panel || control->objectName().isEmpty() || !control->isVisible()
                || control->testAttribute(Qt::WA_TransparentForMouseEvents))
                continue;
            const QPoint centre = control->mapTo(body, control->rect().center());
            QWidget* hit = body->childAt(centre);
            EXPECT_TRUE(hit == control || control->isAncestorOf(hit)) << control->objectName().toStdString();
            ++checked;
        }
        EXPECT_GT(checked, full ? 50 : 8);
        click("Command10");
    }
}

TEST(WorkbenchTexts, EveryCaptionAndCountFitsItsPlace) { EXPECT_EQ(workbenchTextsThatDoNotFit(), ""); }

TEST_F(Workbench, SavesTheTableNotTheBarsUntilACommit)
{
    setBars({200, 10, 20});
    EXPECT_EQ(savedLine(0), " 0, 0, 0  // 0\r\n");
    click("Command3");
    EXPECT_EQ(savedLine(0), " 200, 10, 20  // 0\r\n");
}

TEST_F(Workbench, LoadingSelectsEntryZeroAndShowsTheFileAndSelectingCutsAnEntryTo255)
{
    auto* slider = control<QSlider>("Slider1");
    setBars({99, 99, 99});
    slider->setValue(3);
    dialogs.answer(kit::MessageAnswer::Discard);
    openColourFile("Tessel.txt", "300,-3,12.5\r\n300,12.5,-3\r\n300,0,0\r\n400,0,0\r\n");
    EXPECT_EQ(dialogs.lastCall().file.filter + dialogs.lastCall().file.fileName, "");
    EXPECT_EQ(slider->value() + form.editIndex(), 0);
    EXPECT_EQ(form.colourTable()[0], (ColourEntry {300, -3, 12.5}));
    EXPECT_EQ(bars(), (ColourEntry {255, 0, 13}));
    EXPECT_TRUE(label("Label4").startsWith(" 300,-3, 12.5\n 300, 12.5,-3\n"));
    EXPECT_EQ(label("Label4").count('\n'), 22);
    EXPECT_TRUE(label("Label5").startsWith("// 0\n// 1\n") && label("Label5").endsWith("\n// 22"));
    EXPECT_TRUE(control("Command5")->isEnabled());

    // Selecting entry 1 stores the bars into entry 0 and cuts entry 1 alone.
    slider->setValue(1);
    EXPECT_EQ(form.colourTable()[0], (ColourEntry {255, 0, 13}));
    EXPECT_EQ(bars(), (ColourEntry {255, 13, 0}));
    EXPECT_EQ(savedLine(1), " 255, 12.5,-3  // 1\r\n");
    // A drag from entry 1 over entry 2 to entry 3 selects entry 3 alone.
    slider->setSliderDown(true);
    slider->setSliderPosition(2);
    slider->setSliderPosition(3);
    slider->setSliderDown(false);
    EXPECT_EQ(form.editIndex(), 3);
    EXPECT_EQ(form.colourTable()[2], (ColourEntry {300, 0, 0}));
    EXPECT_EQ(form.colourTable()[3], (ColourEntry {255, 0, 0}));
}

TEST_F(Workbench, AFileThatCannotBeReadIsReportedAtOnceAndChangesNothingAndACancelDoesNothing)
{
    openColourFile("Tessel.txt", "7,8,9\r\n");
    const tessel::ColourTable before = form.colourTable();
    const QString fifo = temporary.filePath("fifo");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0644), 0);
    writeFile(temporary.filePath("Huge.txt"), "1,2,3\r\n");
    std::filesystem::resize_file(temporary.filePath("Huge.txt").toStdString(), tessel::kRegionFileSizeLimit + 1);
    const std::pair<QString, QString> unreadable[] = {
        {temporary.filePath("Missing.txt"), "No such file or directory"},
        {fifo, "Not a regular file"},
        {"/dev/zero", "Not a regular file"},
        {temporary.filePath("Huge.txt"), "File too large"},
    };
    for (const char* open : {"Command1", "Command11"})
        for (const auto& [path, reason] : unreadable) {
            dialogs.choosePath(path);
            click(open);
            expectMessage("Could not read " + path + "\r\n" + reason, MessageIcon::Exclamation);
            EXPECT_EQ(form.colourTable(), before);
            EXPECT_EQ(text("Text3"), "");
        }
    EXPECT_EQ(form.skinDirectory(), temporary.path() + "/");

    dialogs.cancelPath().cancelPath().cancelPath().cancelPath().cancelPath();
    for (const char* command : {"Command1", "Command2", "Command9", "Command11", "Command13"})
        click(command);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(text("Text3") + text("Text7"), "");
    EXPECT_EQ(dialogs.calls()[1].file.filter, "");
}

TEST_F(Workbench, SavesGoWholeThroughLinksAndInPlaceAndAFailureKeepsTheOldFile)
{
    enum class Setup { ReadOnlyDirectory, RemovedDirectory, FullDisk, Link, ReadOnlyFile, LockedDirectoryWritableFile };
    const struct
    {
        Setup setup;
        QString reason;
    } cases[] = {
        {Setup::ReadOnlyDirectory, "Permission denied"}, {Setup::RemovedDirectory, "No such file or directory"},
        {Setup::FullDisk, "File too large"},             {Setup::Link, ""},
        {Setup::ReadOnlyFile, "Permission denied"},      {Setup::LockedDirectoryWritableFile, ""},
    };
    // Wide enough for the unprivileged user that a root test process acts as.
    ::chmod(temporary.path().toLocal8Bit().constData(), 0755);
    for (const auto& [save, written] : {std::pair {"Command2", " 0, 0, 0  // 0\r\n"}, {"Command13", ";Made With Tessel"}})
        for (const auto& c : cases) {
            const QString dir = temporary.filePath(QString("%1-%2").arg(save).arg(int(c.setup)));
            const QString target = dir + "/saved.txt";
            QString real = target;
            ASSERT_TRUE(QDir().mkpath(dir));
            writeFile(target, "old");
            const auto path = [](const QString& name) { return name.toLocal8Bit(); };
            switch (c.setup) {
            case Setup::ReadOnlyDirectory:
                QFile::remove(target);
                ::chmod(path(dir), 0555);
                break;
            case Setup::RemovedDirectory: QDir(dir).removeRecursively(); break;
            case Setup::FullDisk: break;
            case Setup::Link:
                real = dir + "/real.txt";
                QFile::rename(target, real);
                ASSERT_TRUE(QFile::link("real.txt", target));
                break;
            case Setup::ReadOnlyFile: ::chmod(path(target), 0444); break;
            case Setup::LockedDirectoryWritableFile:
                EXPECT_TRUE(kit::testing::Unprivileged::handOver(kit::toPath(target)));
                ::chmod(path(dir), 0555);
                break;
            }
            const QStringList before = QDir(dir).entryList(QDir::Files | QDir::System | QDir::Hidden);
            {
                std::optional<kit::testing::Unprivileged> user;
                if (c.setup == Setup::ReadOnlyDirectory || c.setup == Setup::LockedDirectoryWritableFile)
                    user.emplace();
                std::optional<kit::testing::FileSizeLimit> diskFull;
                if (c.setup == Setup::FullDisk)
                    diskFull.emplace(16);
                dialogs.choosePath(target);
                click(save);
            }
            ::chmod(path(dir), 0755);
            const std::string context = std::string(save) + " " + std::to_string(int(c.setup));
            if (c.reason.isEmpty()) {
                EXPECT_TRUE(dialogs.messages().empty()) << context;
                EXPECT_TRUE(fileBytes(real).starts_with(written)) << context;
            } else {
                expectMessage("Could not save " + target + ": " + c.reason + ".", MessageIcon::Exclamation);
                if (c.setup != Setup::ReadOnlyDirectory && c.setup != Setup::RemovedDirectory) {
                    EXPECT_EQ(fileBytes(real), "old") << context;
                }
            }
            EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::System | QDir::Hidden), before) << context;
            EXPECT_EQ(QFileInfo(target).isSymLink(), c.setup == Setup::Link) << context;
        }
}

TEST_F(Workbench, BlackSetsOnlyTheBarsAndClearBlanksEverything)
{
    openColourFile("Tessel.txt", "0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n200,10,10\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n1,2,3\r\n");
    control<QSlider>("Slider1")->setValue(5);
    click("Command7");
    EXPECT_EQ(bars(), (ColourEntry {0, 0, 0}));
    EXPECT_EQ(form.colourTable()[5], (ColourEntry {200, 10, 10}));

    setBars({200, 10, 10});
    click("Command6");
    EXPECT_EQ(bars(), (ColourEntry {0, 0, 0}));
    EXPECT_EQ(form.colourTable(), tessel::ColourTable {});
    EXPECT_EQ(form.editIndex(), 5);
}

TEST_F(Workbench, FadeCommitsTheBarsFirstAndRunsBetweenTheTwoSliders)
{
    openColourFile("Tessel.txt", "0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n255,128,0\r\n");
    control<QSlider>("Slider1")->setValue(2);
    setBars({0, 0, 40});
    control<QSlider>("Slider2")->setValue(6);
    click("Command8");
    EXPECT_EQ(form.colourTable()[2], (ColourEntry {0, 0, 40}));
    EXPECT_EQ(form.colourTable()[4], (ColourEntry {128, 64, 20}));
    EXPECT_EQ(bars(), (ColourEntry {0, 0, 40}));
    // The static preview shows the fade at once: the Lines bar of entry 4.
    EXPECT_EQ(picture("Picture1").pixel(47, 17), qRgb(128, 64, 20));
}

TEST_F(Workbench, RefreshShowsTheBarsTheSelectionAndTheFadeEnd)
{
    openColourFile("Tessel.txt", "0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n300,40,50\r\n");
    setBars({10, 20, 30});
    control<QSlider>("Slider2")->setValue(7);
    colours().Timer1_Timer();
    EXPECT_EQ(label("Label1(0)") + label("Label1(1)") + label("Label1(2)"), "102030");
    EXPECT_EQ(picture("Picture3").pixel(45, 55), qRgb(10, 20, 30));
    EXPECT_EQ(label("Label2") + "|" + label("Label15"), "0|7");
    EXPECT_EQ(picture("Picture19").pixel(0, 0), qRgb(255, 40, 50));
}

TEST_F(Workbench, TheRefreshTicksNoFasterThanTheScreenAndRestsUntilWhatItShowsChanges)
{
    for (const QTimer* clock : form.findChildren<QTimer*>())
        EXPECT_GE(clock->interval(), 16) << clock->objectName().toStdString();
    auto* refresh = control<QTimer>("Timer1");
    EXPECT_TRUE(QTest::qWaitFor([refresh] { return !refresh->isActive(); }));
    bar(1)->setValue(77);
    EXPECT_TRUE(refresh->isActive());
    EXPECT_TRUE(QTest::qWaitFor([this] { return label("Label1(1)") == "77"; }));
    control<QSlider>("Slider2")->setValue(4);
    EXPECT_TRUE(refresh->isActive());
    // Stopped, as while the show runs, no change brings a tick.
    control<QLineEdit>("Text2")->setText("!Vortex");
    bar(1)->setValue(78);
    EXPECT_FALSE(refresh->isActive());
    topLevel("Form2")->close();
}

TEST_F(Workbench, ExplainsTheColourIndicesAndRegionsWithTheirOwnLineBreaks)
{
    form.show();
    QTest::mouseClick(control("Label3"), Qt::LeftButton);
    expectMessage("Colors 3-15 for normal analzer\r\n3-15 for Fire Analyzer\r\n2-14 for Line analyer", MessageIcon::None);
    trigger("mnuVisinf");
    expectMessage("0,1 = Background\n\r2-17 = Spectrum Analyzer\n\r18-22 = Olliscope\n\r"
                  "Fading, place fade bar at the end point and the color it is currently at is shown at the bottom.\n\r"
                  "The start color is the color currently being edited by the bar on the left.",
                  MessageIcon::None);
    trigger("mnuRegINF");
    const QString help = dialogs.messages().front().text;
    expectMessage(help, MessageIcon::None);
    const QStringList parts = help.split("\n\r");
    ASSERT_EQ(parts.size(), 8);
    EXPECT_EQ(parts[0] + "|" + parts[1] + "|" + parts[5], "Region Editing Help||");
    EXPECT_EQ(parts[4], "Press the right mouse button to start a new polygon.");
    EXPECT_TRUE(parts[7].startsWith("You can also use the Double Sized View") && parts[7].endsWith("finish polygons."));
    EXPECT_FALSE(control<QAction>("mnuVislear")->isEnabled());
}

TEST_F(Workbench, StartVisCommitsAndTogglesTheAnimationWhoseStyleFollowsTheCombo)
{
    // Entry 2 is red (the tallest Lines bar), entry 14 blue (the Normal strip's row 16, and only one pixel high in Lines).
    openColourFile("Tessel.txt", "0,0,0\r\n0,0,0\r\n255,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n"
                                 "0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,255\r\n");
    control<QSlider>("Slider1")->setValue(2);
    auto* start = control<QPushButton>("Command4");
    for (const bool running : {true, false}) {
        EXPECT_EQ(control("Picture5")->isHidden(), running);
        click("Command4");
        EXPECT_EQ(start->text(), running ? "S&top Vis" : "S&tart Vis");
        EXPECT_EQ(control<QTimer>("Timer2")->isActive(), running);
        EXPECT_EQ(control("Picture5")->isHidden(), !running);
    }
    EXPECT_EQ(form.colourTable()[2], (ColourEntry {255, 0, 0}));

    // In the Lines style only entry 2's bar is red: a column that drew it is red
    // from the bar's top row down, and no other pixel is.
    auto* style = control<QComboBox>("Combo1");
    style->setCurrentText("Lines");
    skin().Timer2_Timer();
    const QImage frame = picture("Picture5");
    for (int x = 0; x < frame.width(); ++x)
        for (int y = 0; y < frame.height(); ++y)
            EXPECT_EQ(frame.pixel(x, y) == qRgb(255, 0, 0), frame.pixel(x, 17) == qRgb(255, 0, 0) && y >= 5) << x << "," << y;
    // Row 16 is copied in every column: blue in all but the last column of the
    // Normal strip, never blue in Lines. Any other text keeps the style.
    for (const auto& [text, blue] : {std::pair {"Normal", true}, {"Fi", true}, {"Lines", false}}) {
        style->setCurrentText(text);
        skin().Timer2_Timer();
        int blueColumns = 0;
        for (int x = 0; x < frame.width(); ++x)
            blueColumns += picture("Picture5").pixel(x, 16) == qRgb(0, 0, 255);
        EXPECT_EQ(blueColumns > 0, blue) << text;
    }
}

TEST_F(Workbench, ExitClosesTheWindowAndStayOnTopIsARealHintThatKeepsItsPlace)
{
    form.show();
    const QRect before = form.geometry();
    for (const bool onTop : {true, false}) {
        control<QCheckBox>("Check2")->setChecked(onTop);
        EXPECT_EQ(bool(form.windowFlags() & Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.geometry(), before);
    }
    trigger("mnuExit");
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Workbench, OpensASkinBesideAColourFileOrByAnyOfItsFilesAndComposesIt)
{
    writeSyntheticSkin(temporary.path() + "/");
    openColourFile("Tessel.txt", "1,2,3\r\n");
    EXPECT_EQ(previewPixel(39, 88), kBlack);
    control<QCheckBox>("Check1")->setChecked(true);
    openColourFile("Tessel.txt");
    EXPECT_EQ(previewPixel(39, 88), skinPixel(SkinFile::CButtons, 23, 0));
    EXPECT_EQ(picture("Picture20"), picture("Picture6"));

    // Open Skin puts the composed window into the drawing area, over what was drawn there.
    press("Picture20", Qt::LeftButton, {39, 88});
    dialogs.choosePath(temporary.filePath("playpaus.bmp"));
    click("Command9");
    EXPECT_EQ(picture("Picture20").pixel(39, 88), skinPixel(SkinFile::CButtons, 23, 0));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(form.skinDirectory(), temporary.path() + "/");
    EXPECT_EQ(picture("Picture17").pixel(0, 0), skinPixel(SkinFile::PosBar, 249, 0));
    control<QComboBox>("Combo2")->setCurrentText("Mono");
    EXPECT_EQ(previewPixel(212, 41), skinPixel(SkinFile::MonoSter, 29, 0));
    control<QLineEdit>("Text2")->setText("ok");
    EXPECT_EQ(previewPixel(117, 27), skinPixel(SkinFile::Text, 50, 0));

    // With a bitmap gone the others are still drawn; Refresh Skin reads the same directory without asking.
    ASSERT_TRUE(QFile::remove(temporary.filePath("numbers.bmp")));
    click("Command5");
    expectMessage(kNotAllFound, MessageIcon::Exclamation);
    EXPECT_EQ(previewPixel(48, 26), skinPixel(SkinFile::Main, 48, 26));
    writeSyntheticSkin(temporary.path() + "/");
    click("Command5");
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(previewPixel(48, 26), skinPixel(SkinFile::Numbers, 0, 0));
}

TEST_F(Workbench, OpensASkinArchiveNamedInTheTitleRefreshReadsItAgainAndARefusedOneChangesNothing)
{
    const QString blue = temporary.filePath("Blue.wsz");
    writeFile(blue, syntheticSkinArchive("Blue/", true));
    dialogs.choosePath(blue);
    click("Command9");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(form.windowTitle(), "Veskit 1.x - Blue.wsz");
    EXPECT_EQ(previewPixel(39, 88), skinPixel(SkinFile::CButtons, 23, 0));
    EXPECT_EQ(picture("Picture20"), picture("Picture6"));

    writeFile(blue, syntheticSkinArchive("Blue/", false, {{"text.bmp", "no picture"}}));
    click("Command5");
    expectMessage("Unrecognized BMP Format: Blue.wsz: Blue/text.bmp\r\nResave file in a BMP editor.",
                  MessageIcon::Exclamation);
    EXPECT_EQ(previewPixel(112, 27), skinPixel(SkinFile::Main, 112, 27));

    writeFile(temporary.filePath("Broken.wsz"), "not a zip");
    const QImage shown = picture("Picture6");
    dialogs.choosePath(temporary.filePath("Broken.wsz"));
    trigger("mnuOpSkin");
    expectMessage("Tessel could not open the skin Broken.wsz: not a zip archive.", MessageIcon::Exclamation);
    EXPECT_EQ(form.windowTitle(), "Veskit 1.x - Blue.wsz");
    EXPECT_EQ(picture("Picture6"), shown);
    click("Command5");
    expectMessage("Unrecognized BMP Format: Blue.wsz: Blue/text.bmp\r\nResave file in a BMP editor.",
                  MessageIcon::Exclamation);
}

TEST_F(Workbench, DrawsATransportButtonPressedWhileTheMouseHoldsItAndMovesTheKnobWithinTheBar)
{
    openSkin();
    form.show();
    const QImage released = picture("Picture6");
    auto* preview = control("Picture6");
    const QRgb up = skinPixel(SkinFile::CButtons, 23, 0);
    const QRgb held = skinPixel(SkinFile::CButtons, 23, 18);
    QTest::mousePress(preview, Qt::LeftButton, {}, {45, 95});
    EXPECT_EQ(previewPixel(39, 88), held);
    // Off the button it springs back; over it again it is held again.
    skin().Picture6_MouseMove(Qt::LeftButton, {120, 40});
    EXPECT_EQ(previewPixel(39, 88), up);
    skin().Picture6_MouseMove(Qt::LeftButton, {50, 100});
    EXPECT_EQ(previewPixel(39, 88), held);
    QTest::mouseRelease(preview, Qt::LeftButton, {}, {50, 100});
    EXPECT_EQ(picture("Picture6"), released);
    // Neither the right button nor a press on shuffle, which is no transport button, presses anything.
    for (const auto& [button, at] : {std::pair {Qt::RightButton, QPoint(45, 95)}, {Qt::LeftButton, QPoint(170, 95)}}) {
        QTest::mousePress(preview, button, {}, at);
        EXPECT_EQ(picture("Picture6"), released);
        QTest::mouseRelease(preview, button, {}, at);
    }

    skin().Picture17_MouseDown(Qt::LeftButton, {4, 5});
    EXPECT_EQ(picture("Picture17").pixel(0, 0), skinPixel(SkinFile::PosBar, 278, 0));
    for (const auto& [pointerX, knobX] : {std::pair {104, 117}, {500, 237}, {-500, 17}}) {
        skin().Picture17_MouseMove(Qt::LeftButton, {pointerX, 5});
        EXPECT_EQ(control("Picture17")->pos(), QPoint(knobX, 72));
    }
    skin().Picture17_MouseUp(Qt::LeftButton, {0, 0});
    EXPECT_EQ(picture("Picture17").pixel(0, 0), skinPixel(SkinFile::PosBar, 249, 0));
}

TEST_F(Workbench, RecordsCornersWithTheLeftButtonAndFinishesPolygonsWithTheRightOne)
{
    // Nothing to finish yet: neither the right button nor Start Next Poly adds a polygon.
    press("Picture20", Qt::RightButton, {5, 5});
    click("Command14");
    EXPECT_EQ(text("Text7"), "");
    for (const QPoint corner : {QPoint(10, 10), QPoint(60, 10), QPoint(60, 40)})
        press("Picture20", Qt::LeftButton, corner);
    EXPECT_EQ(text("Text4"), " 10, 10, 60, 10, 60, 40,");
    EXPECT_EQ(text("Text5") + "|" + label("Label19"), "3|Currently on point # 3.");
    EXPECT_EQ(picture("Picture20").pixel(35, 10), kBlack);
    EXPECT_EQ(picture("Picture20").pixel(60, 25), kBlack);

    press("Picture20", Qt::RightButton, {5, 5});
    press("Picture20", Qt::RightButton, {5, 5});
    EXPECT_EQ(text("Text4") + "|" + text("Text5") + "|" + text("Text6") + "|" + text("Text7"),
              "|| 10, 10, 60, 10, 60, 40,|3,");
    EXPECT_EQ(label("Label19"), "Currently on point # 0.");
}

TEST_F(Workbench, AutoNextPolyFinishesADraggedPolygonWhenTheButtonIsLifted)
{
    control<QCheckBox>("Check3")->setChecked(true);
    for (const auto& [start, anchor] : {std::pair {QPoint(20, 20), QString("( 0, 0)")}, {QPoint(40, 40), "( 30, 30)"}}) {
        drag(start, {start + QPoint(10, 0), start + QPoint(10, 10)});
        EXPECT_EQ(label("Label6"), anchor + " (" + QString::number(start.x() + 10).prepend(' ') + ","
                                       + QString::number(start.y() + 10).prepend(' ') + ")");
        release(start + QPoint(10, 10));
    }
    EXPECT_EQ(text("Text7"), "3,3,");
    EXPECT_EQ(text("Text6"), " 20, 20, 30, 20, 30, 30, 40, 40, 50, 40, 50, 50,");
    EXPECT_EQ(text("Text4") + label("Label19"), "Currently on point # 0.");
    // The lines-only picture gets a line from each anchor to its release, and nothing of the drags.
    const QImage& lines = picture("Picture21");
    for (const auto& [at, black] : {std::pair {QPoint(15, 15), true}, {QPoint(40, 40), true}, {QPoint(25, 20), false}})
        EXPECT_EQ(lines.pixel(at) == kBlack, black) << at.x() << "," << at.y();
}

TEST_F(Workbench, SavesTheRegionFileWholeAndReadsItBackOverTheSkinPreview)
{
    openSkin();
    const QImage skin = picture("Picture6");
    for (const QPoint corner : {QPoint(10, 10), QPoint(60, 10), QPoint(60, 40)})
        press("Picture20", Qt::LeftButton, corner);
    const QString saved = temporary.filePath("Region.txt");
    const std::string expected = kRegionHeader + "NumPoints=3,\r\nPointlist=10,10,60,10,60,40,";
    dialogs.choosePath(saved);
    click("Command13");
    EXPECT_EQ(fileBytes(saved), expected);
    EXPECT_EQ(text("Text3") + "|" + text("Text8") + "|" + text("Text7"), " 10, 10, 60, 10, 60, 40,|10,10,60,10,60,40,|3,");
    dialogs.choosePath(temporary.filePath("Again.txt"));
    trigger("mnuSaRegion");
    EXPECT_EQ(fileBytes(temporary.filePath("Again.txt")), expected);

    click("Command15");
    EXPECT_EQ(text("Text6") + text("Text7"), "");
    EXPECT_EQ(picture("Picture20"), skin);

    // Open Region reads without drawing; Draw Region draws over the skin preview.
    dialogs.choosePath(saved);
    click("Command11");
    EXPECT_EQ(text("Text3").toStdString(), expected);
    EXPECT_EQ(text("Text4"), "3,");
    EXPECT_EQ(picture("Picture6"), skin);
    click("Command12");
    EXPECT_EQ(previewPixel(35, 10), kBlack);
    EXPECT_EQ(previewPixel(35, 25), qRgb(0, 255, 0));
    EXPECT_EQ(text("Text5"), "3");

    // The region editor's file: count and list found, no polygon drawn.
    writeFile(temporary.filePath("Plevo.txt"), "*  Skin transparency generated by Plevo 1.0  *\r\n\r\n[Normal]\r\nNumPoints=3\r\nPointList=1,1,275,1,275,116\r\n");
    dialogs.choosePath(temporary.filePath("Plevo.txt"));
    trigger("mnuOpRegion");
    EXPECT_EQ(text("Text4"), "3");
    EXPECT_EQ(picture("Picture6"), skin);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(Workbench, ClearAllPolysAndTheDoubledViewTakeTheSkinWithoutTheReadPolygonsAndGreyBeforeASkin)
{
    const QImage grey = picture("Picture20");
    press("Picture20", Qt::LeftButton, {10, 10});
    press("Picture20", Qt::LeftButton, {60, 40});
    click("Command15");
    EXPECT_EQ(picture("Picture20"), grey);

    openSkin();
    const QImage skin = picture("Picture6");
    writeFile(temporary.filePath("Region.txt"), "NumPoints=3,\r\nPointlist=10,10,60,10,60,40,");
    dialogs.choosePath(temporary.filePath("Region.txt"));
    trigger("mnuOpRegion");
    ASSERT_EQ(previewPixel(35, 25), qRgb(0, 255, 0));
    click("Command15");
    EXPECT_EQ(picture("Picture20"), skin);
    click("Command16");
    EXPECT_EQ(topLevel("Form3")->findChild<PictureBox*>("Picture21")->picture(), tessel::doubleSized(skin));
}

TEST_F(Workbench, ShowShapeCutsThePreviewToThePolygonsBeingDrawnOrReadAndFollowsEveryPoint)
{
    openSkin();
    const QImage skin = picture("Picture6");
    const auto shows = [this, &skin](QPoint at) { return previewPixel(at.x(), at.y()) == skin.pixel(at); };
    trigger("mnuShowShape");
    EXPECT_TRUE(control<QCheckBox>("Check4")->isChecked());
    EXPECT_FALSE(shows({100, 50}));
    // A corner at a time: the open polygon is cut as the player would cut it once saved.
    for (const QPoint corner : {QPoint(80, 30), QPoint(140, 30), QPoint(140, 70)})
        press("Picture20", Qt::LeftButton, corner);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shows({130, 40}); }));
    EXPECT_FALSE(shows({90, 60}));
    press("Picture20", Qt::LeftButton, {80, 70});
    EXPECT_TRUE(QTest::qWaitFor([&] { return shows({90, 60}); }));
    EXPECT_FALSE(shows({140, 50}) || shows({79, 50}));

    // A region file read takes the place of the polygons finished.
    press("Picture20", Qt::RightButton, {0, 0});
    writeFile(temporary.filePath("Region.txt"), "NumPoints=4,\r\nPointlist=0,0,20,0,20,20,0,20,");
    dialogs.choosePath(temporary.filePath("Region.txt"));
    click("Command11");
    EXPECT_TRUE(QTest::qWaitFor([&] { return shows({10, 10}) && !shows({130, 40}); }));

    control<QCheckBox>("Check4")->setChecked(false);
    EXPECT_FALSE(control<QAction>("mnuShowShape")->isChecked());
    EXPECT_EQ(picture("Picture6"), skin);
}

TEST_F(Workbench, ShowsTheSkinDoubledAndRecordsPointsInItsOwnCoordinates)
{
    openSkin();
    click("Command16");
    QWidget* doubled = topLevel("Form3");
    ASSERT_NE(doubled, nullptr);
    EXPECT_TRUE(doubled->isVisible());
    EXPECT_EQ(doubled->windowTitle(), "DoubleSized");
    const QImage& big = doubled->findChild<PictureBox*>("Picture21")->picture();
    ASSERT_EQ(big.size(), QSize(550, 232));
    for (const QPoint at : {QPoint(2 * 117, 2 * 27), QPoint(2 * 117 - 1, 2 * 27 - 1)})
        EXPECT_EQ(big.pixel(at), previewPixel(117, 27));

    press("Picture21", Qt::LeftButton, {100, 50}, doubled);
    press("Picture21", Qt::LeftButton, {140, 50}, doubled);
    EXPECT_EQ(text("Text4") + "|" + text("Text5"), " 100, 50, 140, 50,|2");
    EXPECT_EQ(big.pixel(120, 50), kBlack);
    press("Picture21", Qt::RightButton, {0, 0}, doubled);
    EXPECT_EQ(text("Text7"), "2,");
}

TEST_F(Workbench, OpensTheShowForTheTriggerWordAloneAndRefreshesAgainWhenItCloses)
{
    auto* title = control<QLineEdit>("Text2");
    auto* refresh = control<QTimer>("Timer1");
    for (const char* near : {"!vortex", "!VORTEX", " !Vortex", "!Vortex ", "Vortex", "!Vorte"}) {
        title->setText(near);
        EXPECT_TRUE(refresh->isActive()) << near;
        EXPECT_TRUE(topLevel("Form2") == nullptr || !topLevel("Form2")->isVisible()) << near;
    }
    title->setText("!Vortex");
    QWidget* show = topLevel("Form2");
    ASSERT_NE(show, nullptr);
    EXPECT_TRUE(show->isVisible());
    EXPECT_EQ(show->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(show->size(), QSize(800, 600));
    EXPECT_FALSE(refresh->isActive());
    show->close();
    EXPECT_TRUE(refresh->isActive());
}

TEST(WorkbenchProgram, ClosingTheMainWindowDuringTheShowEndsTheProgram)
{
    kit::testing::ScriptedDialogs dialogs;
    kit::testing::TemporarySettings settings;
    tessel::Form1 form(dialogs, *settings);
    form.show();
    QTimer::singleShot(0, &form, [&form] {
        form.findChild<QLineEdit*>("Text2")->setText("!Vortex");
        QWidget* show = topLevel("Form2");
        // Runs among the events the show lets through.
        QTimer::singleShot(0, &form, &QWidget::close);
        QWidget* picture = show->findChild<QWidget*>("Picture21");
        sendMouse(picture, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {5, 5});
        sendMouse(picture, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {5, 5});
        EXPECT_FALSE(show->isVisible());
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(form.isVisible());
}

TEST(WorkbenchUnsavedWork, AsksBeforeOpeningOrQuittingThrowsEditsAwayAndCancelKeepsEverything)
{
    using Answer = kit::MessageAnswer;
    enum class Step { OpenVis, Quit };
    const struct
    {
        Step step;
        std::vector<Answer> answers; // one for the colours, then one for the region on quitting
        bool saveDialogCancelled;
        bool goesOn;
    } cases[] = {
        {Step::OpenVis, {Answer::Cancel}, false, false}, {Step::OpenVis, {Answer::Discard}, false, true},
        {Step::OpenVis, {Answer::Save}, false, true},    {Step::OpenVis, {Answer::Save}, true, false},
        {Step::Quit, {Answer::Cancel}, false, false},    {Step::Quit, {Answer::Discard, Answer::Cancel}, false, false},
        {Step::Quit, {Answer::Discard, Answer::Discard}, false, true},
        {Step::Quit, {Answer::Save, Answer::Save}, false, true},
    };
    for (const auto& c : cases) {
        const std::string context = std::to_string(int(c.step)) + "/" + std::to_string(int(c.answers.front())) + "/"
                                    + std::to_string(c.answers.size()) + (c.saveDialogCancelled ? "/cancelled" : "");
        QTemporaryDir temporary;
        kit::testing::ScriptedDialogs dialogs;
        kit::testing::TemporarySettings settings;
        tessel::Form1 form(dialogs, *settings);
        form.show();
        writeFile(temporary.filePath("Tessel.txt"), "1,2,3\r\n");
        form.findChild<QScrollBar*>("HScroll1")->setValue(40);
        form.findChild<QPushButton*>("Command3")->click();
        sendMouse(form.findChild<QWidget*>("Picture20"), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {9, 9});
        const tessel::ColourTable edited = form.colourTable();

        for (size_t i = 0; i < c.answers.size(); ++i) {
            dialogs.answer(c.answers[i]);
            if (c.answers[i] == Answer::Save && c.saveDialogCancelled)
                dialogs.cancelPath();
            else if (c.answers[i] == Answer::Save)
                dialogs.choosePath(temporary.filePath(i == 0 ? "Saved.txt" : "Region.txt"));
        }
        if (c.step == Step::OpenVis) {
            if (c.goesOn)
                dialogs.choosePath(temporary.filePath("Tessel.txt"));
            form.findChild<QPushButton*>("Command1")->click();
        } else {
            form.findChild<QAction*>("mnuExit")->trigger();
        }
        EXPECT_TRUE(dialogs.unanswered()) << context;
        const auto asked = dialogs.messages();
        ASSERT_EQ(asked.size(), c.answers.size()) << context;
        EXPECT_EQ(asked.front().title + "|" + asked.front().text,
                  "Tessel Editor|The colours have changes that Save Vis has not saved.\r\nSave them first?");
        EXPECT_EQ(asked.front().buttons, kit::MessageButtons::SaveDiscardCancel);
        EXPECT_EQ(asked.back().text.startsWith("The region has points that Save Region has not saved."),
                  c.answers.size() == 2);
        if (c.answers.front() == Answer::Save && !c.saveDialogCancelled) {
            EXPECT_TRUE(fileBytes(temporary.filePath("Saved.txt")).starts_with(" 40, 0, 0  // 0\r\n")) << context;
        }
        if (c.answers.back() == Answer::Save && c.step == Step::Quit) {
            EXPECT_TRUE(fileBytes(temporary.filePath("Region.txt")).ends_with("Pointlist=9,9,")) << context;
        }
        if (c.step == Step::OpenVis) {
            EXPECT_EQ(form.colourTable()[0], c.goesOn ? (ColourEntry {1, 2, 3}) : edited[0]) << context;
        } else {
            EXPECT_EQ(form.isVisible(), !c.goesOn) << context;
            EXPECT_EQ(form.colourTable(), edited) << context;
        }
    }
}

TEST_F(Workbench, EachKindOfFileDialogOpensWhereThatKindWasLastChosenAndRecentFilesReopenAsWhatTheyAre)
{
    for (const char* folder : {"colours", "regions", "skins"})
        ASSERT_TRUE(QDir(temporary.path()).mkdir(folder));
    const QString colours = temporary.filePath("colours/Tessel.txt");
    const QString region = temporary.filePath("regions/shape.txt");
    const QString skin = temporary.filePath("skins/Blue.wsz");
    writeFile(colours, "5,6,7\r\n");
    writeFile(region, "[Normal]\r\nNumPoints=3,\r\nPointlist=10,10,60,10,60,40,");
    writeFile(skin, syntheticSkinArchive("", false));
    dialogs.choosePath(colours);
    click("Command1");
    dialogs.choosePath(region);
    click("Command11");
    dialogs.choosePath(skin);
    click("Command9");
    dialogs.clear();

    // Every dialog starts in the folder of its kind, open or save alike.
    dialogs.cancelPath().cancelPath().cancelPath().cancelPath().cancelPath();
    const std::pair<const char*, QString> starts[] = {{"Command2", "colours"}, {"Command1", "colours"},
                                                      {"Command13", "regions"}, {"Command11", "regions"},
                                                      {"Command9", "skins"}};
    for (size_t i = 0; i < std::size(starts); ++i) {
        click(starts[i].first);
        EXPECT_EQ(dialogs.calls()[i].file.directory, temporary.filePath(starts[i].second)) << starts[i].first;
    }

    // Newest first; each entry opens again as what it is.
    const auto entries = [this] {
        QStringList paths;
        for (QAction* entry : control<QMenu>("mnuFileRecent")->actions())
            paths << entry->toolTip();
        return paths;
    };
    const auto choose = [&](const QString& path) {
        control<QMenu>("mnuFileRecent")->actions()[entries().indexOf(path)]->trigger();
    };
    EXPECT_EQ(entries().mid(0, 3), QStringList({skin, region, colours}));
    click("Command6");
    dialogs.answer(kit::MessageAnswer::Discard);
    choose(colours);
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(form.colourTable()[0], (ColourEntry {5, 6, 7}));
    dialogs.clear();
    ASSERT_TRUE(QFile::remove(region));
    choose(region);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages().front().title, "Recent Files");
    EXPECT_EQ(control<QMenu>("mnuFileRecent")->actions().size(), 2 + 2);

    // The desktop's keys, with the captions as they were.
    EXPECT_EQ(control<QAction>("mnuOp")->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(control<QAction>("munSaVis")->shortcut(), QKeySequence(QKeySequence::Save));
    const QList<QKeySequence> exitKeys = control<QAction>("mnuExit")->shortcuts();
    EXPECT_TRUE(exitKeys.contains(QKeySequence("Ctrl+Q")) && exitKeys.contains(QKeySequence("Ctrl+W")));
    EXPECT_EQ(control<QAction>("mnuOp")->text() + control<QAction>("mnuExit")->text(), "Open &Tessel.txt&Exit");
}

TEST_F(Workbench, CheckSkinListsTheFindingsWorstFirstAndADoubleClickSelectsTheEntryOrPolygonNamed)
{
    const QString skin = temporary.filePath("Blue.wsz");
    std::string colours;
    for (int entry = 0; entry < 24; ++entry)
        colours += entry == 5 ? "300,0,0\r\n" : "1,2,3\r\n";
    writeFile(skin, syntheticSkinArchive("", false, {{"Tessel.txt", colours},
                                                     {"region.txt", "[Normal]\r\nNumPoints=4,2\r\n"
                                                                    "PointList=10,10,60,10,60,40,10,40,5,5,9,9\r\n"}}));
    dialogs.choosePath(skin);
    click("Command9");
    trigger("mnuCheckSkin");
    QWidget* window = topLevel("SkinCheckWindow");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Check Skin - Blue.wsz");
    auto* list = window->findChild<QTreeWidget*>("lstFindings");
    const auto row = [list](const QString& text) {
        const QList<QTreeWidgetItem*> found = list->findItems(text, Qt::MatchContains, 2);
        return found.isEmpty() ? nullptr : found.front();
    };
    QTreeWidgetItem* polygon = row("polygon 2 has 2 points");
    QTreeWidgetItem* colour = row("red 300");
    ASSERT_TRUE(polygon && colour);
    EXPECT_EQ(list->topLevelItem(0), polygon);
    EXPECT_EQ(colour->text(0) + "|" + colour->text(1), "warning|Tessel.txt");
    EXPECT_EQ(window->findChild<QLabel*>("lblSummary")->text(), "Blue.wsz: 1 error and 1 warning.");

    form.show();
    const auto doubleClick = [list](QTreeWidgetItem* item) {
        const QPoint at = list->visualItemRect(item).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                        QEvent::MouseButtonRelease})
            sendMouse(list->viewport(), type, Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, at);
    };
    // The skin's own colour file comes into the editor with the entry selected.
    doubleClick(colour);
    EXPECT_EQ(control<QSlider>("Slider1")->value(), 5);
    EXPECT_EQ(form.editIndex(), 5);
    EXPECT_EQ(bars(), (ColourEntry {255, 0, 0}));
    EXPECT_EQ(form.colourTable()[0], (ColourEntry {1, 2, 3}));
    doubleClick(polygon);
    EXPECT_EQ(previewPixel(7, 7), qRgb(255, 0, 255));
    EXPECT_EQ(text("Text4"), "4,2");

    // A skin as the kit's own writers make it has nothing worse than notes.
    writeFile(skin, syntheticSkinArchive(""));
    trigger("mnuCheckSkin");
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        EXPECT_EQ(list->topLevelItem(i)->text(0), "note") << list->topLevelItem(i)->text(2).toStdString();
}
