#include "workbench/ui/colourpanel.h"

#include "common/core/fileio.h"
#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "common/ui/picturebox.h"
#include "common/ui/rememberedfolders.h"
#include "workbench/core/colouredit.h"
#include "workbench/ui/ticks.h"
#include "workbench/ui/windowtexts.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <cmath>

namespace tessel {
namespace {

// A text of CR LF lines as a label shows it, without an empty line at the end.
QString shownText(const std::string& lines)
{
    QString shown = kit::displayText(kit::toQString(lines));
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    return shown;
}

// The widest line of a usual file, " 255, 255, 255" with "// 22" beside it,
// fits the list beside its scroll bar.
constexpr int kListTextPixels = 10;
constexpr int kListLines = 3;

} // namespace

ColourPanel::ColourPanel(kit::Dialogs& dialogs, kit::Settings& settings, QWidget* parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("ColourPanel"));
    createControls();
    const std::pair<QPushButton*, void (ColourPanel::*)()> buttons[] = {
        {Command1, &ColourPanel::Command1_Click}, {Command2, &ColourPanel::Command2_Click},
        {Command3, &ColourPanel::Command3_Click}, {Command6, &ColourPanel::Command6_Click},
        {Command7, &ColourPanel::Command7_Click}, {Command8, &ColourPanel::Command8_Click},
    };
    for (const auto& [control, handler] : buttons)
        connect(control, &QPushButton::clicked, this, handler);
    // Programmatic changes of Slider1 are made with its signals blocked: only the author's commit.
    connect(Slider1, &QSlider::valueChanged, this, &ColourPanel::Slider1_Change);
    connect(Timer1, &QTimer::timeout, this, &ColourPanel::Timer1_Timer);
    for (QAbstractSlider* control : std::initializer_list<QAbstractSlider*> {HScroll1, HScroll2, HScroll3, Slider2})
        connect(control, &QAbstractSlider::valueChanged, this, &ColourPanel::refreshSoon);
    connect(this, &ColourPanel::tableChanged, this, &ColourPanel::refreshSoon);
    Timer1_Timer();
    startRefresh();
}

void ColourPanel::createControls()
{
    const auto named = [](auto* control, const QString& name) {
        control->setObjectName(name);
        return control;
    };
    const auto placed = [](auto* control, QRect at) {
        control->setGeometry(at);
        return control;
    };
    const auto caption = [&](const QString& text, QRect at) { return placed(new QLabel(text, this), at); };
    const auto button = [&](const QString& name, const QString& text, QRect at) {
        return placed(named(new QPushButton(text, this), name), at);
    };
    const auto slider = [&](const QString& name, QRect at) {
        auto* control = placed(named(new QSlider(Qt::Horizontal, this), name), at);
        control->setRange(0, kColourEntries - 1);
        control->setPageStep(1);
        control->setTickPosition(QSlider::TicksBelow);
        return control;
    };
    const auto bar = [&](const QString& name, QRect at) {
        auto* control = placed(named(new QScrollBar(Qt::Horizontal, this), name), at);
        control->setRange(0, 255);
        control->setPageStep(16);
        return control;
    };
    const auto swatch = [&](const QString& name, QRect at) { return placed(named(new PictureBox(this), name), at); };

    Command1 = button(QStringLiteral("Command1"), QStringLiteral("&Open Vis"), {4, 4, 66, 24});
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("&Save Vis"), {72, 4, 66, 24});
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("&Update Vis"), {140, 4, 78, 24});
    Command8 = button(QStringLiteral("Command8"), QStringLiteral("&Fade"), {220, 4, 58, 24});
    Command7 = button(QStringLiteral("Command7"), QStringLiteral("&Current Color to Black"), {4, 31, 136, 24});
    Command6 = button(QStringLiteral("Command6"), QStringLiteral("&Clear"), {142, 31, 46, 24});
    Label3 = named(caption(QStringLiteral("Analyzer colors?"), {192, 31, 90, 24}), QStringLiteral("Label3"));
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setToolTip(QStringLiteral("Which entries each analyzer style uses"));
    Label3->installEventFilter(this);

    caption(QStringLiteral("The Color(0-22) Being Worked On"), {4, 60, 210, 16});
    Label2 = named(caption(QString(), {222, 60, 30, 16}), QStringLiteral("Label2"));
    Slider1 = slider(QStringLiteral("Slider1"), {4, 76, 214, 22});
    // Selecting an entry cuts it to 255; entries the thumb only passes over on a drag keep their values.
    Slider1->setTracking(false);
    const QString barNames[] = {QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")};
    for (int c = 0; c < 3; ++c) {
        const int y = 102 + 20 * c;
        caption(barNames[c], {4, y, 40, 16});
        Label1[static_cast<size_t>(c)] = named(caption(QString(), {198, y, 30, 16}), QStringLiteral("Label1(%1)").arg(c));
    }
    HScroll1 = bar(QStringLiteral("HScroll1"), {44, 102, 150, 16});
    HScroll2 = bar(QStringLiteral("HScroll2"), {44, 122, 150, 16});
    HScroll3 = bar(QStringLiteral("HScroll3"), {44, 142, 150, 16});
    Picture3 = swatch(QStringLiteral("Picture3"), {232, 102, 46, 56});

    caption(QStringLiteral("Fade bar"), {4, 166, 56, 16});
    Slider2 = slider(QStringLiteral("Slider2"), {60, 164, 134, 22});
    Label15 = named(caption(QString(), {198, 166, 30, 16}), QStringLiteral("Label15"));
    Picture19 = swatch(QStringLiteral("Picture19"), {232, 164, 46, 20});

    auto* loadedFileView = placed(new QScrollArea(this), {120, 190, 158, 40});
    auto* loadedFile = new QWidget;
    auto* loadedFileLayout = new QHBoxLayout(loadedFile);
    loadedFileLayout->setContentsMargins(2, 0, 2, 0);
    Label4 = named(new QLabel(loadedFile), QStringLiteral("Label4"));
    Label5 = named(new QLabel(loadedFile), QStringLiteral("Label5"));
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setPixelSize(kListTextPixels);
    for (QLabel* text : {Label4, Label5}) {
        text->setFont(fixed);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        loadedFileLayout->addWidget(text);
    }
    loadedFileLayout->addStretch();
    loadedFileView->setWidget(loadedFile);
    loadedFileView->setWidgetResizable(true);
    // Three whole lines, and a scroll always stops at the top of a line. A
    // label sets its lines a whole number of pixels apart.
    const int pitch = int(std::ceil(QFontMetricsF(fixed).lineSpacing()));
    loadedFileView->setFixedHeight(kListLines * pitch + 2 * loadedFileView->frameWidth());
    QScrollBar* lines = loadedFileView->verticalScrollBar();
    lines->setSingleStep(pitch);
    connect(lines, &QScrollBar::valueChanged, lines, [lines, pitch](int value) { lines->setValue(qRound(double(value) / pitch) * pitch); });
    loadedFileView->setToolTip(QStringLiteral("The colours of the last Tessel.txt opened"));

    // The refresh rests while nothing it shows changes; a change brings its next tick.
    Timer1 = named(new QTimer(this), QStringLiteral("Timer1"));
    Timer1->setInterval(kTickInterval);
    Timer1->setSingleShot(true);
}

BarValues ColourPanel::bars() const { return {HScroll1->value(), HScroll2->value(), HScroll3->value()}; }

void ColourPanel::setBars(const BarValues& values)
{
    HScroll1->setValue(values[0]);
    HScroll2->setValue(values[1]);
    HScroll3->setValue(values[2]);
}

void ColourPanel::Commit()
{
    stopRefresh();
    setBars(m_session.Commit(bars(), Slider1->value()));
    startRefresh();
    emit tableChanged();
}

void ColourPanel::stopRefresh()
{
    m_refreshRunning = false;
    Timer1->stop();
}

void ColourPanel::startRefresh()
{
    m_refreshRunning = true;
    Timer1->start();
}

void ColourPanel::refreshSoon()
{
    if (m_refreshRunning && !Timer1->isActive())
        Timer1->start();
}

void ColourPanel::Slider1_Change()
{
    stopRefresh();
    setBars(m_session.select(bars(), Slider1->value()));
    startRefresh();
    emit tableChanged();
}

void ColourPanel::Command3_Click() { Commit(); }

void ColourPanel::selectEntry(int entry) { Slider1->setValue(entry); }

void ColourPanel::Command7_Click() { setBars({0, 0, 0}); }

void ColourPanel::Command6_Click()
{
    setBars(m_session.clear(Slider1->value()));
    emit tableChanged();
}

void ColourPanel::Command8_Click()
{
    stopRefresh();
    setBars(m_session.fade(bars(), Slider1->value(), Slider2->value()));
    startRefresh();
    emit tableChanged();
}

void ColourPanel::Timer1_Timer()
{
    const BarValues values = bars();
    for (size_t c = 0; c < 3; ++c)
        Label1[c]->setText(QString::number(values[c]));
    Picture3->fill(qRgb(values[0], values[1], values[2]));
    Label2->setText(QString::number(Slider1->value()));
    Picture19->fill(entryColour(colourTable()[static_cast<size_t>(Slider2->value())]));
    Label15->setText(QString::number(Slider2->value()));
}

void ColourPanel::Label3_Click()
{
    showMessage(m_dialogs, this,
                QStringLiteral("Colors 3-15 for normal analzer\r\n3-15 for Fire Analyzer\r\n2-14 for Line analyer"));
}

void ColourPanel::mnuVisinf_Click()
{
    showMessage(m_dialogs, this,
                QStringLiteral("0,1 = Background\n\r2-17 = Spectrum Analyzer\n\r18-22 = Olliscope\n\r"
                               "Fading, place fade bar at the end point and the color it is currently at is shown at the "
                               "bottom.\n\r"
                               "The start color is the color currently being edited by the bar on the left."));
}

bool ColourPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label3 && event->type() == QEvent::MouseButtonRelease) {
        Label3_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool ColourPanel::ReadColourFile(const QString& path)
{
    ColourTable table {};
    if (const std::string reason = tessel::ReadColourFile(kit::toPath(path), table); !reason.empty()) {
        showFailure(m_dialogs, this, readFailureText(path, reason));
        return false;
    }
    showLoadedTable(table);
    return true;
}

void ColourPanel::showLoadedTable(const ColourTable& table)
{
    setBars(m_session.load(table));
    Label4->setText(shownText(colourValuesText(table)));
    Label5->setText(shownText(colourNotesText()));
    emit tableChanged();
    const QSignalBlocker noCommit(Slider1);
    Slider1->setValue(0);
}

bool ColourPanel::takeColourText(std::string_view text)
{
    if (!saveOrDiscardEdits())
        return false;
    showLoadedTable(colourTableFromText(text));
    return true;
}

bool ColourPanel::WriteColourFile(const QString& path)
{
    if (const std::string reason = tessel::WriteColourFile(kit::toPath(path), colourTable()); !reason.empty()) {
        showFailure(m_dialogs, this, kit::couldNotSaveText(path, kit::fromSystemText(reason)));
        return false;
    }
    return true;
}

void ColourPanel::Command1_Click()
{
    if (!saveOrDiscardEdits())
        return;
    kit::FileRequest request;
    request.title = QStringLiteral("Open Tessel.txt");
    const QString path = kit::openFileRemembering(m_dialogs, m_settings, this, kit::FolderKind::ColourFiles, request);
    if (!path.isEmpty())
        openColourFile(path);
}

void ColourPanel::openColourFile(const QString& path)
{
    if (!ReadColourFile(path))
        return;
    emit colourFileOpened(path);
}

void ColourPanel::Command2_Click() { saveColourFile(); }

bool ColourPanel::saveColourFile()
{
    kit::FileRequest request;
    request.title = QStringLiteral("Save Tessel.txt");
    request.confirmOverwrite = true;
    const QString path = kit::saveFileRemembering(m_dialogs, m_settings, this, kit::FolderKind::ColourFiles, request);
    if (path.isEmpty() || !WriteColourFile(path))
        return false;
    m_session.markSaved();
    emit colourFileSaved(path);
    return true;
}

bool ColourPanel::saveOrDiscardEdits()
{
    if (!unsaved())
        return true;
    switch (askToSave(m_dialogs, this, QStringLiteral("The colours have changes that Save Vis has not saved."))) {
    case kit::MessageAnswer::Save: return saveColourFile();
    case kit::MessageAnswer::Discard: return true;
    default: return false;
    }
}

} // namespace tessel
