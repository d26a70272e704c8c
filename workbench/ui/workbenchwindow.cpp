#include "workbenchwindow.h"

#include "colouredit.h"
#include "dialogs.h"
#include "pixels.h"
#include "vispreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
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

// Width and height of the compact layout's client area below the menu.
constexpr QSize kCompactBody {476, 118};

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

// A text of CR LF lines as a label shows it, without an empty line at the end.
QString shownText(const std::string& lines)
{
    QString shown = kit::displayText(QString::fromStdString(lines));
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    return shown;
}

QString fromSystem(const std::string& reason) { return QString::fromLocal8Bit(reason.data(), qsizetype(reason.size())); }

} // namespace

Form1::Form1(kit::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , m_dialogs(dialogs)
    , m_visArea(blankPicture(kVisAreaSize))
    , m_bars(static_cast<size_t>(kVisAreaSize.width()))
{
    setWindowTitle(QStringLiteral("Veskit 1.x"));
    createControls();
    createActions();
    connectHandlers();
    applyLayout();
    updateActions();
    PaintPreview();
    DrawMainWindow();
    Timer1_Timer();
    Timer1->start();
}

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
    const auto caption = [&](const QString& text, QRect at) { return fullOnly(new QLabel(text, body), at); };
    const auto button = [&](const QString& text) { return new QPushButton(text, body); };
    const auto slider = [&]() {
        auto* control = new QSlider(Qt::Horizontal, body);
        control->setRange(0, kColourEntries - 1);
        control->setPageStep(1);
        control->setTickPosition(QSlider::TicksBelow);
        return control;
    };
    const auto bar = [&]() {
        auto* control = new QScrollBar(Qt::Horizontal, body);
        control->setRange(0, 255);
        control->setPageStep(16);
        return control;
    };
    const auto picture = [&](QWidget* parent, QSize size) {
        auto* control = new PictureBox(parent);
        control->resize(size);
        return control;
    };

    Command1 = fullOnly(button(QStringLiteral("&Open Vis")), {4, 4, 66, 24});
    Command2 = fullOnly(button(QStringLiteral("&Save Vis")), {72, 4, 66, 24});
    Command3 = fullOnly(button(QStringLiteral("&Update Vis")), {140, 4, 78, 24});
    Command8 = fullOnly(button(QStringLiteral("&Fade")), {220, 4, 58, 24});
    Command7 = fullOnly(button(QStringLiteral("&Current Color to Black")), {4, 31, 150, 24});
    Command6 = fullOnly(button(QStringLiteral("&Clear")), {156, 31, 52, 24});
    Label3 = caption(QStringLiteral("Analyzer colors?"), {212, 31, 70, 24});
    Label3->setWordWrap(true);
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setToolTip(QStringLiteral("Which entries each analyzer style uses"));
    Label3->installEventFilter(this);

    caption(QStringLiteral("The Color(0-22) Being Worked On"), {4, 60, 210, 16});
    Label2 = caption(QString(), {222, 60, 30, 16});
    Slider1 = fullOnly(slider(), {4, 76, 214, 22});
    // Selecting an entry cuts it to 255; entries the thumb only passes over on a drag keep their values.
    Slider1->setTracking(false);
    const QString barNames[] = {QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")};
    for (int c = 0; c < 3; ++c) {
        const int y = 102 + 20 * c;
        caption(barNames[c], {4, y, 40, 16});
        Label1[static_cast<size_t>(c)] = caption(QString(), {198, y, 30, 16});
    }
    HScroll1 = fullOnly(bar(), {44, 102, 150, 16});
    HScroll2 = fullOnly(bar(), {44, 122, 150, 16});
    HScroll3 = fullOnly(bar(), {44, 142, 150, 16});
    Picture3 = fullOnly(picture(body, {46, 56}), {232, 102, 46, 56});

    caption(QStringLiteral("Fade bar"), {4, 166, 56, 16});
    Slider2 = fullOnly(slider(), {60, 164, 134, 22});
    Label15 = caption(QString(), {198, 166, 30, 16});
    Picture19 = fullOnly(picture(body, {46, 20}), {232, 164, 46, 20});

    Check1 = fullOnly(new QCheckBox(QStringLiteral("AutoSkin Load"), body), {4, 192, 112, 20});
    auto* loadedFileView = fullOnly(new QScrollArea(body), {120, 190, 158, 44});
    auto* loadedFile = new QWidget;
    auto* loadedFileLayout = new QHBoxLayout(loadedFile);
    loadedFileLayout->setContentsMargins(2, 0, 2, 0);
    Label4 = new QLabel(loadedFile);
    Label5 = new QLabel(loadedFile);
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

    Picture6 = picture(body, kMainWindowSize);
    Picture5 = picture(Picture6, kVisAreaSize);
    Picture5->move(kVisAreaOffset);
    Picture5->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture5->hide();
    Picture17 = picture(Picture6, kKnobUp.size());
    Picture17->move(kKnobLeftmost, kKnobTop);

    Command9 = button(QStringLiteral("O&pen Skin"));
    Command5 = button(QStringLiteral("&Refresh Skin"));
    Command4 = button(kStartVis);
    Command10 = button(QStringLiteral("&Min"));
    Text2 = new QLineEdit(QStringLiteral("Tessel 2.0 "), body);
    Text2->setToolTip(QStringLiteral("The title shown in the skin's own font"));
    Combo2 = new QComboBox(body);
    Combo2->addItems({QStringLiteral("Stereo"), QStringLiteral("Mono"), QStringLiteral("Off")});
    Check2 = new QCheckBox(QStringLiteral("StayOnTop"), body);

    caption(QStringLiteral("Spectrum"), {285, 179, 76, 14});
    caption(QStringLiteral("Oscilliscope"), {367, 179, 120, 14});
    Picture1 = fullOnly(picture(body, kSpectrumSize), {{285, 194}, kSpectrumSize});
    Picture2 = fullOnly(picture(body, kScopeSize), {{367, 194}, kScopeSize});
    caption(QStringLiteral("WindowShade Vis"), {285, 217, 112, 14});
    Picture4 = fullOnly(picture(body, kShadeSize), {{399, 220}, kShadeSize});
    Combo1 = fullOnly(new QComboBox(body), {443, 214, 80, 22});
    Combo1->setEditable(true);
    Combo1->addItems({QStringLiteral("Normal"), QStringLiteral("Fire"), QStringLiteral("Lines")});
    Combo1->setToolTip(QStringLiteral("Analyzer style"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(10);
    Timer2 = new QTimer(this);
    Timer2->setInterval(10);
}

void Form1::createActions()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuOp = mnuFile->addAction(QStringLiteral("Open &Tessel.txt"));
    munSaVis = mnuFile->addAction(QStringLiteral("Save &Tessel.txt"));
    mnuOpSkin = mnuFile->addAction(QStringLiteral("Open &Skin"));
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(QStringLiteral("&Exit"));
    mnuVis = menuBar()->addMenu(QStringLiteral("&Tessel"));
    mnuVislear = mnuVis->addAction(QStringLiteral("&Clear"));
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuVisinf = mnuHelp->addAction(QStringLiteral("&Vis Info"));
}

void Form1::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(mnuOp, &QAction::triggered, this, &Form1::Command1_Click);
    connect(munSaVis, &QAction::triggered, this, &Form1::Command2_Click);
    connect(mnuOpSkin, &QAction::triggered, this, &Form1::Command9_Click);
    connect(mnuExit, &QAction::triggered, this, &Form1::mnuExit_Click);
    connect(mnuVisinf, &QAction::triggered, this, &Form1::mnuVisinf_Click);
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
}

void Form1::applyLayout()
{
    const auto place = [this](QWidget* control, const SkinControlPlace& at) {
        control->setGeometry(compact ? at.compact : at.full);
    };
    place(Command9, kOpenSkinPlace);
    place(Command5, kRefreshSkinPlace);
    place(Command4, kStartVisPlace);
    place(Command10, kMinMaxPlace);
    place(Text2, kTitleBoxPlace);
    place(Combo2, kChannelPlace);
    place(Check2, kStayOnTopPlace);
    Picture6->move(compact ? kCompactPreviewAt : kFullPreviewAt);
    for (QWidget* control : m_fullLayoutOnly)
        control->setVisible(!compact);
    Command10->setText(compact ? QStringLiteral("&Max") : QStringLiteral("&Min"));
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(compact ? kCompactBody + QSize(0, menuHeight) : kFullSize);
}

void Form1::updateActions()
{
    Command5->setEnabled(!skinDirectory.isEmpty());
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

void Form1::setBars(const ColourEntry& entry)
{
    HScroll1->setValue(barValue(entry[0]));
    HScroll2->setValue(barValue(entry[1]));
    HScroll3->setValue(barValue(entry[2]));
}

void Form1::storeBarsAndSelect(bool cutSelected)
{
    Timer1->stop();
    colourTable[static_cast<size_t>(editIndex)] = {double(HScroll1->value()), double(HScroll2->value()),
                                                   double(HScroll3->value())};
    editIndex = Slider1->value();
    if (cutSelected)
        cutTo255(colourTable[static_cast<size_t>(editIndex)]);
    setBars(colourTable[static_cast<size_t>(editIndex)]);
    Timer1->start();
}

void Form1::Commit()
{
    storeBarsAndSelect(false);
    PaintPreview();
}

void Form1::Slider1_Change()
{
    storeBarsAndSelect(true);
    PaintPreview();
}

void Form1::Command3_Click() { Commit(); }

void Form1::Command7_Click() { setBars({0, 0, 0}); }

void Form1::Command6_Click()
{
    colourTable = {};
    setBars(colourTable[static_cast<size_t>(Slider1->value())]);
    PaintPreview();
}

void Form1::Command8_Click()
{
    storeBarsAndSelect(false);
    Fade(colourTable, Slider1->value(), Slider2->value());
    PaintPreview();
}

void Form1::Timer1_Timer()
{
    Label1[0]->setText(QString::number(HScroll1->value()));
    Label1[1]->setText(QString::number(HScroll2->value()));
    Label1[2]->setText(QString::number(HScroll3->value()));
    Picture3->fill(qRgb(HScroll1->value(), HScroll2->value(), HScroll3->value()));
    Label2->setText(QString::number(Slider1->value()));
    Picture19->fill(entryColour(colourTable[static_cast<size_t>(Slider2->value())]));
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
    if (const std::string reason = tessel::ReadColourFile(QFile::encodeName(path).toStdString(), colourTable);
        !reason.empty()) {
        failure(QStringLiteral("Could not read %1\r\n%2").arg(path, fromSystem(reason)));
        return false;
    }
    Label4->setText(shownText(colourValuesText(colourTable)));
    Label5->setText(shownText(colourNotesText()));
    return true;
}

bool Form1::WriteColourFile(const QString& path)
{
    if (const std::string reason = tessel::WriteColourFile(QFile::encodeName(path).toStdString(), colourTable);
        !reason.empty()) {
        failure(QStringLiteral("Could not save %1\r\n%2").arg(path, fromSystem(reason)));
        return false;
    }
    return true;
}

void Form1::Command1_Click()
{
    kit::FileRequest request;
    request.title = QStringLiteral("Open Tessel.txt");
    const QString path = m_dialogs.openFile(this, request);
    if (path.isEmpty() || !ReadColourFile(path))
        return;
    afterColourFileLoaded(path);
}

void Form1::afterColourFileLoaded(const QString& path)
{
    PaintPreview();
    {
        const QSignalBlocker noCommit(Slider1);
        Slider1->setValue(0);
    }
    editIndex = 0;
    setBars(colourTable[0]);
    setSkinDirectoryFromFile(path);
    if (Check1->isChecked()) {
        LoadSkin();
        DrawMainWindow();
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
    tessel::PaintPreview(colourTable, spectrum, scope, shade);
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
    skinDirectory = path.left(path.size() - QFileInfo(path).fileName().size());
    updateActions();
}

void Form1::LoadSkin()
{
    const SkinLoad load = tessel::LoadSkin(skinDirectory);
    skin = load.pictures;
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
    Picture6->setPicture(tessel::DrawMainWindow(skin, look));
}

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
}

void Form1::Command5_Click()
{
    LoadSkin();
    DrawMainWindow();
}

void Form1::Command10_Click()
{
    compact = !compact;
    applyLayout();
}

void Form1::Combo2_Click() { DrawMainWindow(); }

void Form1::Text2_Change() { DrawMainWindow(); }

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
    const QImage& positionBar = skin[SkinFile::PosBar];
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

} // namespace tessel
