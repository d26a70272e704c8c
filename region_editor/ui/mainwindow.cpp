#include "region_editor/ui/mainwindow.h"

#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "common/ui/picturebox.h"
#include "common/ui/rememberedfolders.h"
#include "common/ui/windowplacement.h"
#include "region_editor/core/mainwindowpicture.h"
#include "region_editor/core/scratchfolder.h"
#include "region_editor/core/twips.h"
#include "region_editor/ui/builtinskin.h"
#include "region_editor/ui/displaybox.h"
#include "region_editor/ui/icons.h"
#include "region_editor/ui/pacer.h"
#include "region_editor/ui/picturebutton.h"
#include "region_editor/ui/presentationtexts.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>

#include <utility>
#include <vector>

namespace plevo {
namespace {

const QString kProgramTitle = QStringLiteral("Plevo 1.0 - Skin Region Editor");

QRect toPixels(const TwipsRect& r) { return twipsToPixels(r.left, r.top, r.width, r.height); }

QFont labelFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(12);
    return font;
}

std::vector<std::filesystem::path> toPaths(const QStringList& directories)
{
    std::vector<std::filesystem::path> paths;
    for (const QString& directory : directories)
        paths.push_back(kit::toPath(directory));
    return paths;
}

void bringUp(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

struct PanelButton
{
    const char* name;
    Icon icon;
    int leftTwips;
    int topTwips;
    const char* toolTip;
    void (Form1::*handler)();
};

} // namespace

Form1::Form1(kit::Dialogs& dialogs, kit::Settings& settings, Pacer& pacer, CdDeviceMaker makeCdDevice,
             const QStringList& scratchBases, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_dialogs(dialogs)
    , m_settings(settings)
    , m_pacer(pacer)
    , m_makeCdDevice(std::move(makeCdDevice))
    , m_scratch(makeScratchFolder(toPaths(scratchBases)))
    , m_points(m_scratch.path)
    , m_markStyle(initialMarkStyle(palette()))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Plevo"));
    setWindowIcon(QIcon(iconPixmap(Icon::Magnifier)));
    buildControls(kProgramTitle);
    addShortcuts();
    applyLayout();
    kit::rememberPlacement(this, m_settings, QStringLiteral("main"));

    setStatus(QStringLiteral("Plevo 1.0"));
    if (m_scratch.path.empty())
        m_dialogs.message(this, QStringLiteral("Plevo"),
                          QStringLiteral("Plevo could not make its scratch folder in %1: %2.\n"
                                         "Your points are kept in memory, and saving works as usual.")
                              .arg(kit::fromPath(m_scratch.refusingBase), kit::fromSystemText(m_scratch.reason)),
                          kit::MessageButtons::Ok, kit::MessageIcon::Exclamation);
    noteScratchFiles(m_points.NewFile());
}

Form1::~Form1() = default;

void Form1::buildControls(const QString& title)
{
    Frame1 = new QGroupBox(title, this);
    Frame1->setObjectName(QStringLiteral("Frame1"));

    Image1 = new kit::PictureBox(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPicture(builtInSkin());
    Image1->setMouseTracking(true);
    Image1->setCursor(Qt::CrossCursor);
    Image1->setAttribute(Qt::WA_OpaquePaintEvent);
    Image1->setToolTip(QStringLiteral("Click a corner of the region"));
    Image1->setOverlay([this](QPainter& painter, int magnification) { paintMarks(painter, magnification); });
    Image1->setAcceptsFileDrops(true);
    connect(Image1, &kit::PictureBox::mouseMove, this, &Form1::Image1_MouseMove);
    connect(Image1, &kit::PictureBox::clicked, this, &Form1::Image1_Click);
    connect(Image1, &kit::PictureBox::fileDropped, this, &Form1::openPicture);

    Line7 = new SeparatorLine(QPalette::Dark, Frame1);
    Line7->setObjectName(QStringLiteral("Line7"));
    Line8 = new SeparatorLine(QPalette::Light, Frame1);
    Line8->setObjectName(QStringLiteral("Line8"));

    const PanelButton bottomRow[] = {
        {"Image4", Icon::Floppy, 0, 0, "File", &Form1::Image4_Click},
        {"Image18", Icon::Magnifier, 0, 0, "Magnify", &Form1::Image18_Click},
        {"Image8", Icon::ArrowUpOverBars, 0, 0, "Tools", &Form1::Image8_Click},
        {"Image6", Icon::Cross, 0, 0, "Quit", &Form1::Image6_Click},
    };
    PictureButton** bottomSlots[] = {&Image4, &Image18, &Image8, &Image6};
    for (size_t i = 0; i < std::size(bottomRow); ++i) {
        auto* button = placeButton(Frame1, bottomRow[i].name, bottomRow[i].icon, bottomRow[i].toolTip, 0, 0);
        connect(button, &PictureButton::clicked, this, bottomRow[i].handler);
        *bottomSlots[i] = button;
    }

    Label1 = new QLabel(QStringLiteral("X:"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Y:"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    for (QLabel* label : {Label1, Label2})
        label->setFont(labelFont());
    Text1 = new DisplayBox("Text1", Frame1);
    Text2 = new DisplayBox("Text2", Frame1);
    Text1->setText(QStringLiteral("0"));
    Text2->setText(QStringLiteral("0"));
    for (DisplayBox* readout : {Text1, Text2}) {
        // Three digits have to fit the narrow boxes.
        QFont font = readout->font();
        font.setPixelSize(10);
        readout->setFont(font);
        readout->setAlignment(Qt::AlignCenter);
    }
    Text1->setAccessibleName(QStringLiteral("X"));
    Text2->setAccessibleName(QStringLiteral("Y"));

    ProgressBar1 = new QProgressBar(Frame1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    Text3 = new DisplayBox("Text3", Frame1);
    Text3->setFont(statusFont());
    Text3->setAccessibleName(QStringLiteral("Status"));
    QPalette statusPalette = Text3->palette();
    statusPalette.setColor(QPalette::Text, QColor(0x40, 0x40, 0x40));
    Text3->setPalette(statusPalette);

    Picture2 = buildPanel("Picture2");
    Picture3 = buildPanel("Picture3");
    Picture1 = buildPanel("Picture1");
    Picture4 = buildPanel("Picture4");
    const std::pair<QFrame*, std::vector<PanelButton>> panels[] = {
        {Picture2,
         {{"Image14", Icon::ArrowDownOverBars, 80, 0, "Close the file panel", &Form1::Image14_Click},
          {"Image13", Icon::FloppyArrowDown, 80, 360, "Load", &Form1::Image13_Click},
          {"Image7", Icon::FloppyArrowUp, 80, 760, "Save Region.txt", &Form1::Image7_Click},
          {"Image20", Icon::BlankPage, 80, 1200, "New region", &Form1::Image20_Click},
          {"Image2", Icon::Floppy, 75, 1640, "Close the file panel", &Form1::Image2_Click}}},
        {Picture3,
         {{"Image5", Icon::ArrowDownOverBars, 80, 0, "Close the magnify panel", &Form1::Image5_Click},
          {"Image15", Icon::MagnifierDouble, 80, 360, "Magnify x2", &Form1::Image15_Click},
          {"Image16", Icon::MagnifierHalf, 80, 760, "Magnify 1/2", &Form1::Image16_Click},
          {"Image17", Icon::Magnifier, 80, 1150, "Close the magnify panel", &Form1::Image17_Click}}},
        {Picture1,
         {{"Image10", Icon::PlayPauseBars, 75, 40, "Extras", &Form1::Image10_Click},
          {"Image9", Icon::ColourSwatches, 75, 400, "Colour picker", &Form1::Image9_Click},
          {"Image11", Icon::ListPage, 75, 800, "Point index", &Form1::Image11_Click},
          {"Image3", Icon::QuestionMark, 75, 1150, "Help", &Form1::Image3_Click},
          {"Image19", Icon::LetterI, 80, 1540, "About Plevo", &Form1::Image19_Click},
          {"Image12", Icon::ArrowUpOverBars, 75, 1920, "Close the tools panel", &Form1::Image12_Click}}},
        {Picture4, {{"Image21", Icon::CompactDisc, 60, 60, "CD player", &Form1::Image21_Click}}},
    };
    for (const auto& [panel, buttons] : panels) {
        const int border = panel->frameWidth();
        for (const PanelButton& entry : buttons) {
            auto* button = placeButton(panel, entry.name, entry.icon, entry.toolTip, entry.leftTwips, entry.topTwips);
            button->move(button->pos() + QPoint(border, border));
            connect(button, &PictureButton::clicked, this, entry.handler);
        }
    }
}

// The desktop's usual keys for the commands that have them; the window has no
// menu, so they are actions of the window itself.
void Form1::addShortcuts()
{
    const struct
    {
        const char* name;
        QKeySequence::StandardKey key;
        void (Form1::*command)();
    } shortcuts[] = {
        {"Open Picture", QKeySequence::Open, &Form1::openPictureFromDialog},
        {"Save Region", QKeySequence::Save, &Form1::Image7_Click},
        {"Quit", QKeySequence::Quit, &Form1::Image6_Click},
        // The window is the program: closing it is quitting, with the same question.
        {"Close", QKeySequence::Close, &Form1::Image6_Click},
    };
    for (const auto& entry : shortcuts) {
        auto* action = new QAction(QLatin1String(entry.name), this);
        QList<QKeySequence> keys = QKeySequence::keyBindings(entry.key);
        // Desktops that know no key for quitting (Windows' scheme, which Qt also
        // uses off screen) still get the usual one.
        if (keys.isEmpty() && entry.key == QKeySequence::Quit)
            keys.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, entry.command);
        addAction(action);
    }
}

QFrame* Form1::buildPanel(const char* name)
{
    auto* panel = new QFrame(Frame1);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    panel->hide();
    return panel;
}

void Form1::applyLayout()
{
    setFixedSize(twipsToPixels(m_layout.formWidth), twipsToPixels(m_layout.formHeight));
    Frame1->setGeometry(toPixels(m_layout.Frame1));
    Image1->setGeometry(toPixels(m_layout.Image1));
    Image1->setMagnification(Image1->width() / Image1->picture().width());
    for (auto [line, model] : {std::pair{Line7, m_layout.Line7}, std::pair{Line8, m_layout.Line8}}) {
        const int x1 = twipsToPixels(model.x1);
        line->setGeometry(x1, twipsToPixels(model.y1), twipsToPixels(model.x2) - x1, 1);
    }
    const std::pair<QWidget*, const TwipsRect*> placed[] = {
        {Image4, &m_layout.Image4},     {Image18, &m_layout.Image18},   {Image8, &m_layout.Image8},
        {Image6, &m_layout.Image6},     {Label1, &m_layout.Label1},     {Text1, &m_layout.Text1},
        {Label2, &m_layout.Label2},     {Text2, &m_layout.Text2},       {ProgressBar1, &m_layout.ProgressBar1},
        {Text3, &m_layout.Text3},       {Picture1, &m_layout.Picture1}, {Picture2, &m_layout.Picture2},
        {Picture3, &m_layout.Picture3}, {Picture4, &m_layout.Picture4},
    };
    for (const auto& [widget, rect] : placed)
        widget->setGeometry(toPixels(*rect));
    // The panels lie over the picture and the bottom row; the status line over the
    // progress bar's last pixel, as the form stacks them.
    for (QWidget* panel : {Picture2, Picture3, Picture1, Picture4})
        panel->raise();
    Text3->raise();
}

void Form1::setStatus(const QString& text) { Text3->setText(text); }

QString Form1::status() const { return Text3->text(); }

void Form1::ProgressSweep()
{
    // Runs to the end before anything else is handled: each step is painted at
    // once, but no event is let through.
    for (int value = ProgressBar1->value(); value <= 99;) {
        ProgressBar1->setValue(++value);
        ProgressBar1->repaint();
    }
    ProgressBar1->setValue(0);
}

void Form1::hidePanels()
{
    for (QWidget* panel : {Picture1, Picture2, Picture3, Picture4})
        panel->hide();
}

void Form1::hideToolPanels()
{
    Picture1->hide();
    Picture4->hide();
}

void Form1::showNewFileEffects()
{
    Picture2->hide();
    setStatus(QStringLiteral("New file created"));
    refreshPointIndexWindow();
}

void Form1::NewFile()
{
    const auto problem = m_points.NewFile();
    showNewFileEffects();
    noteScratchFiles(problem);
}

SaveResult Form1::SaveRegionFile(const QString& directory)
{
    SaveResult result = m_points.SaveRegionFile(kit::toPath(directory));
    if (result.saved) {
        showNewFileEffects();
        noteScratchFiles(result.problem);
    }
    return result;
}

QString Form1::scratchFolder() const { return kit::fromPath(m_scratch.path); }

void Form1::makePointIndexWindow()
{
    if (m_form4)
        return;
    m_form4 = new Form4(*this, m_dialogs);
    kit::rememberPlacement(m_form4, m_settings, QStringLiteral("pointIndex"));
}

void Form1::refreshPointIndexWindow()
{
    if (m_form4)
        m_form4->showIndex(m_points.index());
    // The drawn polygon follows the point list.
    Image1->update();
}

void Form1::paintMarks(QPainter& painter, int magnification) const
{
    std::vector<QPoint> readouts;
    readouts.reserve(m_points.points().size());
    for (const auto& [x, y] : m_points.points())
        readouts.emplace_back(kit::toQString(x).toInt(), kit::toQString(y).toInt());
    paintRegionMarks(painter, readouts, magnification, m_markStyle);
}

void Form1::setMarkStyle(const MarkStyle& style)
{
    m_markStyle = style;
    Image1->update();
}

const QImage& Form1::picture() const { return Image1->picture(); }

bool Form1::openPicture(const QString& path)
{
    const MainWindowPicture opened = loadMainWindowPicture(path);
    if (!opened.refusal.isEmpty()) {
        refusePicture(opened.refusal);
        return false;
    }
    Image1->setPicture(opened.image);
    setStatus(QStringLiteral("Picture ") + opened.shortName);
    if (!opened.note.isEmpty())
        m_dialogs.message(this, QStringLiteral("Open Picture"), opened.note, kit::MessageButtons::Ok,
                          kit::MessageIcon::Information);
    return true;
}

void Form1::refusePicture(const QString& text)
{
    m_dialogs.message(this, QStringLiteral("Open Picture"), text, kit::MessageButtons::Ok,
                      kit::MessageIcon::Exclamation);
}

void Form1::openPictureFromDialog()
{
    kit::FileRequest request;
    request.title = QStringLiteral("Open Picture");
    request.filter = QStringLiteral("Pictures and Skins (*.bmp;*.jpg;*.gif;*.png;*.wsz;*.zip)|"
                                    "*.bmp;*.jpg;*.jpeg;*.gif;*.png;*.wsz;*.zip|"
                                    "All Files (*.*)|*.*|");
    const QString path = kit::openFileRemembering(m_dialogs, m_settings, this, kit::FolderKind::SkinPictures, request);
    if (!path.isEmpty())
        openPicture(path);
}

void Form1::noteScratchFiles(const std::optional<FileProblem>& problem)
{
    if (!problem) {
        m_scratchProblemShown = false;
        return;
    }
    if (m_scratchProblemShown)
        return;
    m_scratchProblemShown = true;
    const QString failed = problem->action == FileAction::Write ? QStringLiteral("written") : QStringLiteral("read");
    m_dialogs.message(this, QStringLiteral("Plevo"),
                      QStringLiteral("The scratch file %1 could not be %2: %3.\n"
                                     "Your points are kept in memory, and saving works as usual.")
                          .arg(kit::fromPath(problem->path), failed, kit::fromSystemText(problem->reason)),
                      kit::MessageButtons::Ok, kit::MessageIcon::Exclamation);
}

void Form1::showSaveWindow()
{
    if (!m_form7) {
        m_form7 = new Form7(*this, m_dialogs);
        m_form7->setAttribute(Qt::WA_DeleteOnClose);
        kit::rememberPlacement(m_form7, m_settings, QStringLiteral("save"));
    }
    bringUp(m_form7);
}

void Form1::showHostDirectoryWindow()
{
    if (!m_form8) {
        m_form8 = new Form8(m_dialogs, this);
        m_form8->setAttribute(Qt::WA_DeleteOnClose);
        kit::rememberPlacement(m_form8, m_settings, QStringLiteral("hostDirectory"));
    }
    bringUp(m_form8);
}

void Form1::showAboutWindow()
{
    if (m_about) {
        bringUp(m_about);
        return;
    }
    m_about = new frmAbout(m_pacer, this);
    m_about->setAttribute(Qt::WA_DeleteOnClose);
    m_about->showAndSlide();
}

void Form1::Image1_MouseMove(Qt::MouseButtons, QPoint at)
{
    const float width = m_layout.Image1.width;
    Text1->setText(QString::number(readoutAtPixel(at.x(), width)));
    Text2->setText(QString::number(readoutAtPixel(at.y(), width)));
}

void Form1::Image1_Click(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    hidePanels();
    setStatus(QStringLiteral("Last point -- X:") + Text1->text() + QStringLiteral(" Y:") + Text2->text());
    makePointIndexWindow();
    const auto problem = m_points.recordPoint(kit::toUtf8(Text1->text()), kit::toUtf8(Text2->text()));
    refreshPointIndexWindow();
    noteScratchFiles(problem);
}

void Form1::Image4_Click() { Picture2->show(); }

void Form1::Image18_Click() { Picture3->show(); }

void Form1::Image8_Click()
{
    Picture1->show();
    Picture4->hide();
}

void Form1::Image6_Click()
{
    if (!askToQuit())
        return;
    // Every window of the program goes before the scratch files do; then the exit
    // credits play, and the program ends when they are closed.
    hide();
    for (QWidget* window : std::initializer_list<QWidget*>{m_form3, m_form4, m_form6, m_form7, m_form8, m_about})
        if (window) {
            window->hide();
            window->deleteLater();
        }
    m_points.deleteFiles();
    removeScratchFolder(m_scratch.path);
    m_form9 = new Form9(m_pacer, this);
    connect(m_form9, &Form9::ended, this, &Form1::ended);
    // The credits run once this click has been handled, not inside it.
    QMetaObject::invokeMethod(m_form9, &Form9::run, Qt::QueuedConnection);
}

bool Form1::askToQuit()
{
    if (m_quitting)
        return false;
    const auto answer = m_dialogs.message(this, QStringLiteral("Plevo"), QStringLiteral("Do you really want to quit? "),
                                          kit::MessageButtons::YesNo, kit::MessageIcon::None);
    if (answer != kit::MessageAnswer::Yes)
        return false;
    m_quitting = true;
    return true;
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing the window is quitting: the same question, the same clean-up.
    event->ignore();
    if (!m_quitting)
        Image6_Click();
}

void Form1::Image14_Click() { Picture2->hide(); }

void Form1::Image2_Click() { Picture2->hide(); }

void Form1::Image13_Click()
{
    m_dialogs.message(this, QStringLiteral("Load"), QStringLiteral("Loading files code not ready"),
                      kit::MessageButtons::Ok, kit::MessageIcon::Exclamation);
    setStatus(QStringLiteral("Load file failed"));
}

void Form1::Image7_Click()
{
    Picture2->hide();
    showSaveWindow();
}

void Form1::Image20_Click() { NewFile(); }

void Form1::Image5_Click() { Picture3->hide(); }

void Form1::Image17_Click() { Picture3->hide(); }

void Form1::Image15_Click()
{
    magnify(magnifyDouble, QStringLiteral("Magnify X2"), QStringLiteral("you cant go any larger"),
            QStringLiteral("Magnify * 2 sucsesfull"));
}

void Form1::Image16_Click()
{
    magnify(magnifyHalf, QStringLiteral("Magnify 1/2"), QStringLiteral("You can't go smaller"),
            QStringLiteral("Magnify * 1/2 sucsesfull"));
}

void Form1::magnify(bool (*step)(MainLayout&), const QString& refusalTitle, const QString& refusal,
                    const QString& done)
{
    if (!step(m_layout)) {
        m_dialogs.message(this, refusalTitle, refusal, kit::MessageButtons::Ok, kit::MessageIcon::Exclamation);
        setStatus(QStringLiteral("Error"));
        return;
    }
    hidePanels();
    applyLayout();
    ProgressSweep();
    setStatus(done);
}

void Form1::Image10_Click() { Picture4->setVisible(!Picture4->isVisible()); }

void Form1::Image9_Click()
{
    if (!m_form3) {
        m_form3 = new Form3(*this, m_dialogs);
        kit::rememberPlacement(m_form3, m_settings, QStringLiteral("colourPicker"));
    }
    bringUp(m_form3);
    hideToolPanels();
}

void Form1::Image11_Click()
{
    makePointIndexWindow();
    m_form4->showIndex(m_points.index());
    bringUp(m_form4);
    hideToolPanels();
}

void Form1::Image3_Click()
{
    m_dialogs.message(this, QStringLiteral("Help"), QStringLiteral("Help will be developed soon"),
                      kit::MessageButtons::Ok, kit::MessageIcon::Information);
}

// The panels close first: the About window keeps this click busy for the second
// before its icon slides in.
void Form1::Image19_Click()
{
    hideToolPanels();
    showAboutWindow();
}

void Form1::Image12_Click() { hideToolPanels(); }

void Form1::Image21_Click()
{
    if (!m_form6) {
        m_form6 = new Form6(m_makeCdDevice(), this);
        m_form6->setAttribute(Qt::WA_DeleteOnClose);
        kit::rememberPlacement(m_form6, m_settings, QStringLiteral("cdPlayer"));
    }
    bringUp(m_form6);
    hideToolPanels();
}

SeparatorLine::SeparatorLine(QPalette::ColorRole role, QWidget* parent)
    : QWidget(parent)
    , m_role(role)
{
}

void SeparatorLine::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), palette().color(m_role));
}

} // namespace plevo
