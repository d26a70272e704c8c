#include "workbench/ui/workbenchwindow.h"

#include "common/core/fileio.h"
#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "common/ui/picturebox.h"
#include "workbench/core/colouredit.h"
#include "workbench/core/pixels.h"
#include "workbench/core/regionfile.h"
#include "workbench/core/vispreview.h"
#include "workbench/ui/aboutwindow.h"
#include "workbench/ui/doublesizedwindow.h"
#include "workbench/ui/showwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

namespace tessel {
namespace {

const QString kMessageTitle = QStringLiteral("Tessel Editor");
const QString kStartVis = QStringLiteral("S&tart Vis");
const QString kStopVis = QStringLiteral("S&top Vis");
// Typed into the title box, it opens the show.
const QString triggerWord = QStringLiteral("!Vortex");

constexpr QRgb kBlack = qRgb(0, 0, 0);
// The drawing area's own colour, under the skin until one is opened.
constexpr QRgb kDrawingBackground = qRgb(212, 208, 200);

// Width and height of the compact layout's client area below the menu.
constexpr QSize kCompactBody {476, 118};

// A box lays its whole text out again at every change, so a longer text shows
// its end only, where the newest points are.
constexpr qsizetype kShownTextLimit = 32767;

// The controls that stay in the compact layout, at their places in each layout.
struct SkinControlPlace
{
    QRect full;
    QRect compact;
};
constexpr SkinControlPlace kOpenSkinPlace {{285, 4, 74, 24}, {282, 1, 90, 24}};
constexpr SkinControlPlace kRefreshSkinPlace {{361, 4, 86, 24}, {282, 28, 90, 24}};
constexpr SkinControlPlace kStartVisPlace {{449, 4, 72, 24}, {282, 55, 90, 24}};
constexpr SkinControlPlace kMinMaxPlace {{523, 4, 50, 24}, {282, 82, 90, 24}};
constexpr SkinControlPlace kTitleBoxPlace {{285, 31, 110, 24}, {376, 1, 96, 24}};
constexpr SkinControlPlace kChannelPlace {{397, 31, 76, 24}, {376, 28, 96, 24}};
constexpr SkinControlPlace kStayOnTopPlace {{477, 31, 98, 24}, {376, 55, 96, 24}};

constexpr QPoint kDrawingAreaAt {4, 233};

// A text of CR LF lines as a label shows it, without an empty line at the end.
QString shownText(const std::string& lines)
{
    QString shown = kit::displayText(kit::toQString(lines));
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    return shown;
}

void showText(QLineEdit* box, std::string_view text)
{
    if (qsizetype(text.size()) <= kShownTextLimit) {
        box->setText(kit::toQString(text));
        return;
    }
    box->setText(QStringLiteral("…") + kit::toQString(text.substr(text.size() - size_t(kShownTextLimit - 1))));
}

QString readFailureText(const QString& path, const std::string& reason)
{
    return QStringLiteral("Could not read %1\r\n%2").arg(path, kit::fromSystemText(reason));
}

QString numberLabel(int value) { return kit::toQString(numberText(value)); }

} // namespace

Form1::Form1(kit::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , m_dialogs(dialogs)
    , m_visArea(blankPicture(kVisAreaSize))
    , m_bars(static_cast<size_t>(kVisAreaSize.width()))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Veskit 1.x"));
    createControls();
    createActions();
    connectHandlers();
    applyLayout();
    updateActions();
    PaintPreview();
    DrawMainWindow();
    showRegionTexts();
    Timer1_Timer();
    Timer1->start();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    auto* body = new QWidget(this);
    setCentralWidget(body);
    // Controls that only the full layout shows, placed once.
    const auto fullOnly = [this](auto* control, QRect at) {
        control->setGeometry(at);
        m_fullLayoutOnly.push_back(control);
        return control;
    };
    const auto named = [](auto* control, const QString& name) {
        control->setObjectName(name);
        return control;
    };
    const auto caption = [&](const QString& text, QRect at) { return fullOnly(new QLabel(text, body), at); };
    const auto button = [&](const QString& name, const QString& text) { return named(new QPushButton(text, body), name); };
    const auto slider = [&](const QString& name) {
        auto* control = named(new QSlider(Qt::Horizontal, body), name);
        control->setRange(0, kColourEntries - 1);
        control->setPageStep(1);
        control->setTickPosition(QSlider::TicksBelow);
        return control;
    };
    const auto bar = [&](const QString& name) {
        auto* control = named(new QScrollBar(Qt::Horizontal, body), name);
        control->setRange(0, 255);
        control->setPageStep(16);
        return control;
    };
    const auto picture = [&](QWidget* parent, const QString& name, QSize size) {
        auto* control = named(new PictureBox(parent), name);
        control->resize(size);
        return control;
    };

    Command1 = fullOnly(button(QStringLiteral("Command1"), QStringLiteral("&Open Vis")), {4, 4, 66, 24});
    Command2 = fullOnly(button(QStringLiteral("Command2"), QStringLiteral("&Save Vis")), {72, 4, 66, 24});
    Command3 = fullOnly(button(QStringLiteral("Command3"), QStringLiteral("&Update Vis")), {140, 4, 78, 24});
    Command8 = fullOnly(button(QStringLiteral("Command8"), QStringLiteral("&Fade")), {220, 4, 58, 24});
    Command7 = fullOnly(button(QStringLiteral("Command7"), QStringLiteral("&Current Color to Black")), {4, 31, 150, 24});
    Command6 = fullOnly(button(QStringLiteral("Command6"), QStringLiteral("&Clear")), {156, 31, 52, 24});
    Label3 = named(caption(QStringLiteral("Analyzer colors?"), {212, 31, 70, 24}), QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setToolTip(QStringLiteral("Which entries each analyzer style uses"));
    Label3->installEventFilter(this);

    caption(QStringLiteral("The Color(0-22) Being Worked On"), {4, 60, 210, 16});
    Label2 = named(caption(QString(), {222, 60, 30, 16}), QStringLiteral("Label2"));
    Slider1 = fullOnly(slider(QStringLiteral("Slider1")), {4, 76, 214, 22});
    // Selecting an entry cuts it to 255; entries the thumb only passes over on a drag keep their values.
    Slider1->setTracking(false);
    const QString barNames[] = {QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")};
    for (int c = 0; c < 3; ++c) {
        const int y = 102 + 20 * c;
        caption(barNames[c], {4, y, 40, 16});
        Label1[static_cast<size_t>(c)] = named(caption(QString(), {198, y, 30, 16}), QStringLiteral("Label1(%1)").arg(c));
    }
    HScroll1 = fullOnly(bar(QStringLiteral("HScroll1")), {44, 102, 150, 16});
    HScroll2 = fullOnly(bar(QStringLiteral("HScroll2")), {44, 122, 150, 16});
    HScroll3 = fullOnly(bar(QStringLiteral("HScroll3")), {44, 142, 150, 16});
    Picture3 = fullOnly(picture(body, QStringLiteral("Picture3"), {46, 56}), {232, 102, 46, 56});

    caption(QStringLiteral("Fade bar"), {4, 166, 56, 16});
    Slider2 = fullOnly(slider(QStringLiteral("Slider2")), {60, 164, 134, 22});
    Label15 = named(caption(QString(), {198, 166, 30, 16}), QStringLiteral("Label15"));
    Picture19 = fullOnly(picture(body, QStringLiteral("Picture19"), {46, 20}), {232, 164, 46, 20});

    Check1 = fullOnly(named(new QCheckBox(QStringLiteral("AutoSkin Load"), body), QStringLiteral("Check1")),
                      {4, 192, 112, 20});
    auto* loadedFileView = fullOnly(new QScrollArea(body), {120, 190, 158, 40});
    auto* loadedFile = new QWidget;
    auto* loadedFileLayout = new QHBoxLayout(loadedFile);
    loadedFileLayout->setContentsMargins(2, 0, 2, 0);
    Label4 = named(new QLabel(loadedFile), QStringLiteral("Label4"));
    Label5 = named(new QLabel(loadedFile), QStringLiteral("Label5"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (QLabel* text : {Label4, Label5}) {
        text->setFont(fixed);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        loadedFileLayout->addWidget(text);
    }
    loadedFileLayout->addStretch();
    loadedFileView->setWidget(loadedFile);
    loadedFileView->setWidgetResizable(true);
    loadedFileView->setToolTip(QStringLiteral("The colours of the last Tessel.txt opened"));

    Picture6 = picture(body, QStringLiteral("Picture6"), kMainWindowSize);
    Picture5 = picture(Picture6, QStringLiteral("Picture5"), kVisAreaSize);
    Picture5->move(kVisAreaOffset);
    Picture5->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture5->hide();
    Picture17 = picture(Picture6, QStringLiteral("Picture17"), kKnobUp.size());
    Picture17->move(kKnobLeftmost, kKnobTop);

    Command9 = button(QStringLiteral("Command9"), QStringLiteral("O&pen Skin"));
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("&Refresh Skin"));
    Command4 = button(QStringLiteral("Command4"), kStartVis);
    Command10 = button(QStringLiteral("Command10"), QStringLiteral("&Min"));
    Text2 = named(new QLineEdit(QStringLiteral("Tessel 2.0 "), body), QStringLiteral("Text2"));
    Text2->setToolTip(QStringLiteral("The title shown in the skin's own font"));
    Combo2 = named(new QComboBox(body), QStringLiteral("Combo2"));
    Combo2->addItems({QStringLiteral("Stereo"), QStringLiteral("Mono"), QStringLiteral("Off")});
    Check2 = named(new QCheckBox(QStringLiteral("StayOnTop"), body), QStringLiteral("Check2"));

    caption(QStringLiteral("Spectrum"), {285, 179, 76, 14});
    caption(QStringLiteral("Oscilliscope"), {367, 179, 120, 14});
    Picture1 = fullOnly(picture(body, QStringLiteral("Picture1"), kSpectrumSize), {{285, 194}, kSpectrumSize});
    Picture2 = fullOnly(picture(body, QStringLiteral("Picture2"), kScopeSize), {{367, 194}, kScopeSize});
    caption(QStringLiteral("WindowShade Vis"), {285, 217, 112, 14});
    Picture4 = fullOnly(picture(body, QStringLiteral("Picture4"), kShadeSize), {{399, 220}, kShadeSize});
    Combo1 = fullOnly(named(new QComboBox(body), QStringLiteral("Combo1")), {443, 214, 80, 22});
    Combo1->setEditable(true);
    Combo1->addItems({QStringLiteral("Normal"), QStringLiteral("Fire"), QStringLiteral("Lines")});
    Combo1->setToolTip(QStringLiteral("Analyzer style"));

    createRegionControls(body);

    Timer1 = named(new QTimer(this), QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer2 = named(new QTimer(this), QStringLiteral("Timer2"));
    Timer2->setInterval(10);
}

void Form1::createRegionControls(QWidget* body)
{
    // A point smaller, so that the six buttons with their whole captions fit beside the previews.
    QFont panelFont = body->font();
    panelFont.setPointSizeF(panelFont.pointSizeF() - 1);
    const auto fullOnly = [&](QWidget* control, const QString& name, QRect at) {
        control->setObjectName(name);
        control->setGeometry(at);
        control->setFont(panelFont);
        m_fullLayoutOnly.push_back(control);
    };
    const auto button = [&](QPushButton*& control, const QString& name, const QString& text, QRect at) {
        control = new QPushButton(text, body);
        fullOnly(control, name, at);
    };
    const auto textBox = [&](QLineEdit*& control, const QString& name, const QString& hint, QRect at) {
        control = new QLineEdit(body);
        control->setReadOnly(true);
        control->setAccessibleName(hint);
        control->setToolTip(hint);
        fullOnly(control, name, at);
    };

    auto* caption = new QLabel(QStringLiteral("RegionEditWindow"), body);
    fullOnly(caption, QStringLiteral("RegionEditWindowCaption"), {4, 214, 112, 16});
    Picture20 = new PictureBox(body);
    fullOnly(Picture20, QStringLiteral("Picture20"), {kDrawingAreaAt, kMainWindowSize});
    Picture20->setCursor(Qt::CrossCursor);
    Picture20->setToolTip(QStringLiteral("Left button: a corner, or drag to draw; right button: the next polygon"));
    QImage background = blankPicture(kMainWindowSize);
    background.fill(kDrawingBackground);
    Picture20->setPicture(background);
    // Gets the lines alone, without the skin under them; the window has no room to show it as well.
    Picture21 = new PictureBox(body);
    Picture21->setObjectName(QStringLiteral("Picture21"));
    Picture21->resize(kMainWindowSize);
    Picture21->setPicture(background);
    Picture21->hide();

    button(Command11, QStringLiteral("Command11"), QStringLiteral("Open Region"), {285, 238, 88, 22});
    button(Command12, QStringLiteral("Command12"), QStringLiteral("Draw Region"), {375, 238, 88, 22});
    button(Command13, QStringLiteral("Command13"), QStringLiteral("Save Region"), {465, 238, 108, 22});
    button(Command14, QStringLiteral("Command14"), QStringLiteral("Start Next Poly"), {285, 262, 88, 22});
    button(Command15, QStringLiteral("Command15"), QStringLiteral("Clear All Polys"), {375, 262, 88, 22});
    button(Command16, QStringLiteral("Command16"), QStringLiteral("Show Double Sized"), {465, 262, 108, 22});
    Check3 = new QCheckBox(QStringLiteral("AutoNextPoly on Lift"), body);
    fullOnly(Check3, QStringLiteral("Check3"), {285, 287, 140, 20});
    Label6 = new QLabel(body);
    fullOnly(Label6, QStringLiteral("Label6"), {427, 287, 146, 20});
    Label19 = new QLabel(body);
    fullOnly(Label19, QStringLiteral("Label19"), {285, 309, 140, 20});
    textBox(Text5, QStringLiteral("Text5"), QStringLiteral("Points of this polygon"), {427, 309, 36, 20});
    textBox(Text7, QStringLiteral("Text7"), QStringLiteral("Point counts"), {465, 309, 108, 20});
    textBox(Text4, QStringLiteral("Text4"), QStringLiteral("This polygon"), {285, 331, 96, 22});
    textBox(Text6, QStringLiteral("Text6"), QStringLiteral("All polygons"), {383, 331, 96, 22});
    textBox(Text3, QStringLiteral("Text3"), QStringLiteral("Region file"), {481, 331, 46, 22});
    textBox(Text8, QStringLiteral("Text8"), QStringLiteral("Saved points"), {529, 331, 44, 22});
}

void Form1::createActions()
{
    const auto action = [](QMenu* menu, const QString& name, const QString& text) {
        QAction* created = menu->addAction(text);
        created->setObjectName(name);
        return created;
    };
    const auto menu = [this](const QString& name, const QString& text) {
        QMenu* created = menuBar()->addMenu(text);
        created->setObjectName(name);
        return created;
    };
    mnuFile = menu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    mnuOp = action(mnuFile, QStringLiteral("mnuOp"), QStringLiteral("Open &Tessel.txt"));
    munSaVis = action(mnuFile, QStringLiteral("munSaVis"), QStringLiteral("Save &Tessel.txt"));
    mnuOpSkin = action(mnuFile, QStringLiteral("mnuOpSkin"), QStringLiteral("Open &Skin"));
    mnuOpRegion = action(mnuFile, QStringLiteral("mnuOpRegion"), QStringLiteral("Open &Region.txt"));
    mnuSaRegion = action(mnuFile, QStringLiteral("mnuSaRegion"), QStringLiteral("Save &Region.txt"));
    mnuFile->addSeparator();
    mnuExit = action(mnuFile, QStringLiteral("mnuExit"), QStringLiteral("&Exit"));
    mnuVis = menu(QStringLiteral("mnuVis"), QStringLiteral("&Tessel"));
    mnuVislear = action(mnuVis, QStringLiteral("mnuVislear"), QStringLiteral("&Clear"));
    mnuReg = menu(QStringLiteral("mnuReg"), QStringLiteral("&Region"));
    mnuRefReg = action(mnuReg, QStringLiteral("mnuRefReg"), QStringLiteral("&Refresh Region"));
    mnuClear = action(mnuReg, QStringLiteral("mnuClear"), QStringLiteral("&Clear Region"));
    mnuHelp = menu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    mnuVisinf = action(mnuHelp, QStringLiteral("mnuVisinf"), QStringLiteral("&Vis Info"));
    mnuRegINF = action(mnuHelp, QStringLiteral("mnuRegINF"), QStringLiteral("&Region Info"));
    mnuAbout = action(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("&About"));
}

void Form1::connectHandlers()
{
    const std::pair<QPushButton*, void (Form1::*)()> buttons[] = {
        {Command1, &Form1::Command1_Click},   {Command2, &Form1::Command2_Click},   {Command3, &Form1::Command3_Click},
        {Command4, &Form1::Command4_Click},   {Command5, &Form1::Command5_Click},   {Command6, &Form1::Command6_Click},
        {Command7, &Form1::Command7_Click},   {Command8, &Form1::Command8_Click},   {Command9, &Form1::Command9_Click},
        {Command10, &Form1::Command10_Click}, {Command11, &Form1::Command11_Click}, {Command12, &Form1::Command12_Click},
        {Command13, &Form1::Command13_Click}, {Command14, &Form1::Command14_Click}, {Command15, &Form1::Command15_Click},
        {Command16, &Form1::Command16_Click},
    };
    for (const auto& [control, handler] : buttons)
        connect(control, &QPushButton::clicked, this, handler);
    const std::pair<QAction*, void (Form1::*)()> actions[] = {
        {mnuOp, &Form1::Command1_Click},         {munSaVis, &Form1::Command2_Click},  {mnuOpSkin, &Form1::Command9_Click},
        {mnuOpRegion, &Form1::mnuOpRegion_Click}, {mnuSaRegion, &Form1::Command13_Click}, {mnuExit, &Form1::mnuExit_Click},
        {mnuRefReg, &Form1::Command12_Click},    {mnuClear, &Form1::Command15_Click}, {mnuVisinf, &Form1::mnuVisinf_Click},
        {mnuRegINF, &Form1::mnuRegINF_Click},    {mnuAbout, &Form1::mnuAbout_Click},
    };
    for (const auto& [control, handler] : actions)
        connect(control, &QAction::triggered, this, handler);
    // Programmatic changes of Slider1 are made with its signals blocked: only the author's commit.
    connect(Slider1, &QSlider::valueChanged, this, &Form1::Slider1_Change);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(Combo2, &QComboBox::currentTextChanged, this, &Form1::Combo2_Click);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(Check2, &QCheckBox::toggled, this, &Form1::Check2_Click);
    connect(Picture6, &PictureBox::mouseDown, this, &Form1::Picture6_MouseDown);
    connect(Picture6, &PictureBox::mouseMove, this, &Form1::Picture6_MouseMove);
    connect(Picture6, &PictureBox::mouseUp, this, &Form1::Picture6_MouseUp);
    connect(Picture17, &PictureBox::mouseDown, this, &Form1::Picture17_MouseDown);
    connect(Picture17, &PictureBox::mouseMove, this, &Form1::Picture17_MouseMove);
    connect(Picture17, &PictureBox::mouseUp, this, &Form1::Picture17_MouseUp);
    connect(Picture20, &PictureBox::mouseDown, this, &Form1::Picture20_MouseDown);
    connect(Picture20, &PictureBox::mouseMove, this, &Form1::Picture20_MouseMove);
    connect(Picture20, &PictureBox::mouseUp, this, &Form1::Picture20_MouseUp);
}

void Form1::applyLayout()
{
    const auto place = [this](QWidget* control, const SkinControlPlace& at) {
        control->setGeometry(m_compact ? at.compact : at.full);
    };
    place(Command9, kOpenSkinPlace);
    place(Command5, kRefreshSkinPlace);
    place(Command4, kStartVisPlace);
    place(Command10, kMinMaxPlace);
    place(Text2, kTitleBoxPlace);
    place(Combo2, kChannelPlace);
    place(Check2, kStayOnTopPlace);
    Picture6->move(m_compact ? kCompactPreviewAt : kFullPreviewAt);
    for (QWidget* control : m_fullLayoutOnly)
        control->setVisible(!m_compact);
    Command10->setText(m_compact ? QStringLiteral("&Max") : QStringLiteral("&Min"));
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(m_compact ? kCompactBody + QSize(0, menuHeight) : kFullSize);
}

void Form1::updateActions()
{
    Command5->setEnabled(!m_skinDirectory.isEmpty());
    // The menu's Clear has never had an action of its own; the button does the clearing.
    mnuVislear->setEnabled(false);
}

void Form1::message(const QString& text)
{
    m_dialogs.message(this, kMessageTitle, text, kit::MessageButtons::Ok, kit::MessageIcon::None);
}

void Form1::failure(const QString& text)
{
    m_dialogs.message(this, kMessageTitle, text, kit::MessageButtons::Ok, kit::MessageIcon::Exclamation);
}

// The colour editor

BarValues Form1::bars() const { return {HScroll1->value(), HScroll2->value(), HScroll3->value()}; }

void Form1::setBars(const BarValues& values)
{
    HScroll1->setValue(values[0]);
    HScroll2->setValue(values[1]);
    HScroll3->setValue(values[2]);
}

void Form1::Commit()
{
    Timer1->stop();
    setBars(m_session.Commit(bars(), Slider1->value()));
    Timer1->start();
    PaintPreview();
}

void Form1::Slider1_Change()
{
    Timer1->stop();
    setBars(m_session.select(bars(), Slider1->value()));
    Timer1->start();
    PaintPreview();
}

void Form1::Command3_Click() { Commit(); }

void Form1::Command7_Click() { setBars({0, 0, 0}); }

void Form1::Command6_Click()
{
    setBars(m_session.clear(Slider1->value()));
    PaintPreview();
}

void Form1::Command8_Click()
{
    Timer1->stop();
    setBars(m_session.fade(bars(), Slider1->value(), Slider2->value()));
    Timer1->start();
    PaintPreview();
}

void Form1::Timer1_Timer()
{
    const BarValues values = bars();
    for (size_t c = 0; c < 3; ++c)
        Label1[c]->setText(QString::number(values[c]));
    Picture3->fill(qRgb(values[0], values[1], values[2]));
    Label2->setText(QString::number(Slider1->value()));
    Picture19->fill(entryColour(colourTable()[static_cast<size_t>(Slider2->value())]));
    Label15->setText(QString::number(Slider2->value()));
}

void Form1::Label3_Click()
{
    message(QStringLiteral("Colors 3-15 for normal analzer\r\n3-15 for Fire Analyzer\r\n2-14 for Line analyer"));
}

void Form1::mnuVisinf_Click()
{
    message(QStringLiteral("0,1 = Background\n\r2-17 = Spectrum Analyzer\n\r18-22 = Olliscope\n\r"
                           "Fading, place fade bar at the end point and the color it is currently at is shown at the bottom.\n\r"
                           "The start color is the color currently being edited by the bar on the left."));
}

void Form1::mnuExit_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    // Every window of the workbench goes with the main window; nothing is saved.
    QApplication::closeAllWindows();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label3 && event->type() == QEvent::MouseButtonRelease) {
        Label3_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The colour file

bool Form1::ReadColourFile(const QString& path)
{
    ColourTable table {};
    if (const std::string reason = tessel::ReadColourFile(kit::toPath(path), table); !reason.empty()) {
        failure(readFailureText(path, reason));
        return false;
    }
    setBars(m_session.load(table));
    Label4->setText(shownText(colourValuesText(table)));
    Label5->setText(shownText(colourNotesText()));
    return true;
}

bool Form1::WriteColourFile(const QString& path)
{
    if (const std::string reason = tessel::WriteColourFile(kit::toPath(path), colourTable()); !reason.empty()) {
        failure(kit::couldNotSaveText(path, kit::fromSystemText(reason)));
        return false;
    }
    return true;
}

void Form1::Command1_Click()
{
    kit::FileRequest request;
    request.title = QStringLiteral("Open Tessel.txt");
    const QString path = m_dialogs.openFile(this, request);
    if (!path.isEmpty())
        openColourFile(path);
}

void Form1::openColourFile(const QString& path)
{
    if (ReadColourFile(path))
        afterColourFileLoaded(path);
}

void Form1::afterColourFileLoaded(const QString& path)
{
    PaintPreview();
    {
        const QSignalBlocker noCommit(Slider1);
        Slider1->setValue(0);
    }
    setSkinDirectoryFromFile(path);
    if (Check1->isChecked()) {
        LoadSkin();
        DrawMainWindow();
        copySkinIntoDrawingArea();
    }
}

void Form1::Command2_Click()
{
    kit::FileRequest request;
    request.title = QStringLiteral("Save Tessel.txt");
    request.confirmOverwrite = true;
    const QString path = m_dialogs.saveFile(this, request);
    if (!path.isEmpty())
        WriteColourFile(path);
}

// The visualization preview

void Form1::PaintPreview()
{
    QImage spectrum = blankPicture(kSpectrumSize);
    QImage scope = blankPicture(kScopeSize);
    QImage shade = blankPicture(kShadeSize);
    tessel::PaintPreview(colourTable(), spectrum, scope, shade);
    Picture1->setPicture(spectrum);
    Picture2->setPicture(scope);
    Picture4->setPicture(shade);
}

void Form1::Command4_Click()
{
    Commit();
    if (Command4->text() == kStartVis) {
        Timer2->start();
        Picture5->show();
        Command4->setText(kStopVis);
    } else {
        Timer2->stop();
        Picture5->hide();
        Command4->setText(kStartVis);
    }
}

void Form1::Timer2_Timer()
{
    styleOffset = styleOffsetFor(Combo1->currentText(), styleOffset);
    for (int& bar : m_bars)
        bar = static_cast<int>(QRandomGenerator::global()->bounded(static_cast<quint32>(barShape.size())));
    animationStep(Picture1->picture(), m_visArea, styleOffset, m_bars);
    Picture5->setPicture(m_visArea);
}

// The skin preview

void Form1::setSkinDirectoryFromFile(const QString& path)
{
    m_skinDirectory = path.left(path.size() - QFileInfo(path).fileName().size());
    updateActions();
}

void Form1::LoadSkin()
{
    const SkinLoad load = tessel::LoadSkin(m_skinDirectory);
    m_skin = load.pictures;
    showKnob(kKnobUp);
    if (const QString text = skinLoadMessage(load); !text.isEmpty())
        failure(text);
}

void Form1::DrawMainWindow()
{
    MainWindowLook look;
    look.pressed = pressedButton;
    look.channel = channelFromText(Combo2->currentText());
    look.title = Text2->text();
    Picture6->setPicture(tessel::DrawMainWindow(m_skin, look));
}

void Form1::copySkinIntoDrawingArea() { Picture20->setPicture(Picture6->picture().copy()); }

void Form1::Command9_Click()
{
    kit::FileRequest request;
    request.title = QStringLiteral("Open Skin");
    const QString path = m_dialogs.openFile(this, request);
    if (path.isEmpty())
        return;
    setSkinDirectoryFromFile(path);
    LoadSkin();
    DrawMainWindow();
    copySkinIntoDrawingArea();
}

void Form1::Command5_Click()
{
    LoadSkin();
    DrawMainWindow();
}

void Form1::Command10_Click()
{
    m_compact = !m_compact;
    applyLayout();
}

void Form1::Combo2_Click() { DrawMainWindow(); }

void Form1::Text2_Change()
{
    DrawMainWindow();
    if (Text2->text() != triggerWord)
        return;
    Timer1->stop();
    if (!m_show) {
        m_show = std::make_unique<Form2>();
        connect(m_show.get(), &Form2::closed, Timer1, qOverload<>(&QTimer::start));
    }
    m_show->open(colourTable());
}

void Form1::Check2_Click()
{
    // Changing a window flag hides the window; it comes back where it was.
    const QRect kept = geometry();
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, Check2->isChecked());
    setGeometry(kept);
    if (shown)
        show();
}

void Form1::showKnob(const QRect& piece)
{
    const QImage& positionBar = m_skin[SkinFile::PosBar];
    Picture17->setPicture(positionBar.isNull() ? QImage() : positionBar.copy(piece));
}

void Form1::Picture6_MouseDown(Qt::MouseButton button, QPoint at)
{
    if (button != Qt::LeftButton)
        return;
    pressedButton = buttonAt(at);
    m_grabbedButton = pressedButton;
    DrawMainWindow();
}

void Form1::Picture6_MouseMove(Qt::MouseButtons buttons, QPoint at)
{
    if (!(buttons & Qt::LeftButton))
        return;
    // A held button looks pressed only while the pointer is over it, like any push button.
    const TransportButton under = buttonAt(at) == m_grabbedButton ? m_grabbedButton : TransportButton::None;
    if (under == pressedButton)
        return;
    pressedButton = under;
    DrawMainWindow();
}

void Form1::Picture6_MouseUp(Qt::MouseButton button, QPoint)
{
    if (button != Qt::LeftButton)
        return;
    pressedButton = TransportButton::None;
    m_grabbedButton = TransportButton::None;
    DrawMainWindow();
}

void Form1::Picture17_MouseDown(Qt::MouseButton button, QPoint at)
{
    if (button != Qt::LeftButton)
        return;
    m_knobGrabX = at.x();
    showKnob(kKnobHeld);
}

void Form1::Picture17_MouseMove(Qt::MouseButtons buttons, QPoint at)
{
    if (buttons & Qt::LeftButton)
        Picture17->move(knobLeft(Picture17->x() + at.x(), m_knobGrabX), kKnobTop);
}

void Form1::Picture17_MouseUp(Qt::MouseButton button, QPoint)
{
    if (button == Qt::LeftButton)
        showKnob(kKnobUp);
}

// Region drawing

void Form1::recordPoint(QPoint at, bool alsoInLines)
{
    QImage& drawing = Picture20->surface();
    if (m_polygons.recordPoint(at.x(), at.y())) {
        setPixel(drawing, at, kBlack);
        m_drawingPen = at;
        if (alsoInLines)
            setPixel(Picture21->surface(), at, kBlack);
    }
    drawLine(drawing, m_drawingPen, at, kBlack);
    m_drawingPen = at;
    Picture20->update();
    showPointCount();
}

void Form1::showPointCount()
{
    const int count = m_polygons.pointCount();
    Label19->setText(QStringLiteral("Currently on point #") + numberLabel(count) + QLatin1Char('.'));
    Text5->setText(count > 0 ? QString::number(count) : QString());
}

void Form1::showRegionTexts()
{
    showPointCount();
    showText(Text4, m_polygons.currentPoints());
    showText(Text6, m_polygons.regionPoints());
    showText(Text7, m_polygons.regionCounts());
}

void Form1::Picture20_MouseDown(Qt::MouseButton button, QPoint at)
{
    if (button == Qt::LeftButton) {
        recordPoint(at, false);
        showText(Text4, m_polygons.currentPoints());
    } else if (button == Qt::RightButton && !m_polygons.newPolygon()) {
        m_polygons.FinishPolygon();
        showRegionTexts();
    }
}

void Form1::Picture20_MouseMove(Qt::MouseButtons buttons, QPoint at)
{
    if (!(buttons & Qt::LeftButton))
        return;
    // The points' text catches up at the release: laying it out at every point
    // would make a long drag slower and slower.
    recordPoint(at, true);
    const QPoint anchor = m_polygons.anchor();
    Label6->setText(QStringLiteral("(%1,%2) (%3,%4)")
                        .arg(numberLabel(anchor.x()), numberLabel(anchor.y()), numberLabel(at.x()), numberLabel(at.y())));
}

void Form1::Picture20_MouseUp(Qt::MouseButton button, QPoint at)
{
    if (button != Qt::LeftButton)
        return;
    drawLine(Picture21->surface(), m_polygons.anchor(), at, kBlack);
    m_polygons.setAnchor(at);
    if (Check3->isChecked())
        m_polygons.FinishPolygon();
    showRegionTexts();
}

void Form1::Command14_Click()
{
    m_polygons.FinishPolygon();
    showRegionTexts();
}

void Form1::Command15_Click()
{
    m_polygons.clear();
    QImage lines = blankPicture(kMainWindowSize);
    lines.fill(kDrawingBackground);
    Picture21->setPicture(lines);
    copySkinIntoDrawingArea();
    m_drawingPen = {};
    showRegionTexts();
}

void Form1::Command16_Click()
{
    if (!m_doubled) {
        m_doubled = std::make_unique<Form3>(m_polygons);
        connect(m_doubled.get(), &Form3::regionChanged, this, &Form1::showRegionTexts);
    }
    m_doubled->showDoubled(Picture6->picture());
    m_doubled->show();
    m_doubled->raise();
}

void Form1::readRegionFile(bool draw)
{
    kit::FileRequest request;
    request.title = QStringLiteral("Open Region");
    const QString path = m_dialogs.openFile(this, request);
    if (!path.isEmpty())
        readRegionFile(path, draw);
}

void Form1::openRegionFile(const QString& path) { readRegionFile(path, true); }

void Form1::readRegionFile(const QString& path, bool draw)
{
    std::string text;
    if (const std::string reason = kit::readWholeFile(kit::toPath(path), text, kRegionFileSizeLimit); !reason.empty()) {
        failure(readFailureText(path, reason));
        return;
    }
    showText(Text3, text);
    const RegionText found = readRegionText(text);
    m_polygons.setRead(found.counts, found.pointList);
    showText(Text4, found.counts);
    if (draw)
        DrawRegion();
}

void Form1::Command11_Click() { readRegionFile(false); }

void Form1::mnuOpRegion_Click() { readRegionFile(true); }

void Form1::DrawRegion()
{
    DrawMainWindow();
    const std::string_view lastCount =
        tessel::DrawRegion(Picture6->surface(), m_polygons.countsText(), m_polygons.pointList(), kBlack);
    Picture6->update();
    Text5->setText(kit::toQString(lastCount));
}

void Form1::Command12_Click() { DrawRegion(); }

void Form1::Command13_Click()
{
    kit::FileRequest request;
    request.title = QStringLiteral("Save Region");
    request.confirmOverwrite = true;
    const QString path = m_dialogs.saveFile(this, request);
    if (path.isEmpty())
        return;
    const std::string withBlanks = m_polygons.prepareSave();
    showRegionTexts();
    showText(Text3, withBlanks);
    showText(Text8, m_polygons.regionPoints());
    if (const std::string reason = WriteRegionFile(kit::toPath(path), m_polygons.regionCounts(), m_polygons.regionPoints());
        !reason.empty())
        failure(kit::couldNotSaveText(path, kit::fromSystemText(reason)));
}

void Form1::mnuRegINF_Click()
{
    message(QStringLiteral(
        "Region Editing Help\n\r\n\r"
        "Use the region editing window located at the bottom.  You can draw Polygons by pressing the left mouse button.\n\r"
        "With each press a line is drawn from the previous point to the current point.  After you make a fully enclosed "
        "polygon,\n\r"
        "Press the right mouse button to start a new polygon.\n\r\n\r"
        "You are trying to enclose the areas you want to SHOW when running winamp.\n\r"
        "You can also use the Double Sized View to draw your polygons, but you will get twice as many points (will be fixed "
        "in future versions).  When checked, AutoNextPoly will allow automatic finishing of a polygon when you lift the "
        "mouse button, this way you will not have to press the right mouse button to finish polygons."));
}

void Form1::mnuAbout_Click()
{
    if (!m_about)
        m_about = std::make_unique<Form4>();
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

} // namespace tessel
