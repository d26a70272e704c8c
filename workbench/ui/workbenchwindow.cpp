#include "workbench/ui/workbenchwindow.h"

#include "common/core/skinsource.h"
#include "common/core/textconversion.h"
#include "common/ui/recentfilesmenu.h"
#include "common/ui/standardkeys.h"
#include "common/ui/windowplacement.h"
#include "skin_checker/core/skincheck.h"
#include "workbench/core/filekind.h"
#include "workbench/core/skinfindings.h"
#include "workbench/ui/aboutwindow.h"
#include "workbench/ui/colourpanel.h"
#include "workbench/ui/regionpanel.h"
#include "workbench/ui/showwindow.h"
#include "workbench/ui/skincheckwindow.h"
#include "workbench/ui/skinpanel.h"
#include "workbench/ui/windowtexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMenuBar>

namespace tessel {
namespace {

// Width and height of the compact layout's client area below the menu.
constexpr QSize kCompactBody {476, 118};
const QString kCaption = QStringLiteral("Veskit 1.x");

} // namespace

Form1::Form1(kit::Dialogs& dialogs, kit::Settings& settings, QWidget* parent)
    : QMainWindow(parent)
    , m_dialogs(dialogs)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    setFont(textFont());
    auto* body = new QWidget(this);
    setCentralWidget(body);
    m_colour = new ColourPanel(dialogs, settings, body);
    m_skin = new SkinPanel(dialogs, settings, body);
    m_region = new RegionPanel(dialogs, settings, *m_skin, body);
    // The panels interlock on the window, so each lies over the whole client
    // area and takes the mouse only where its controls are (applyLayout).
    for (QWidget* panel : panels())
        panel->setGeometry({{0, 0}, kFullSize});
    createActions();
    connectPanels();
    applyLayout();
    m_skin->PaintPreview(colourTable());
    kit::rememberPlacement(this, m_settings, objectName());
}

Form1::~Form1() = default;

std::array<QWidget*, 3> Form1::panels() const { return {m_colour, m_skin, m_region}; }

const ColourTable& Form1::colourTable() const { return m_colour->colourTable(); }

int Form1::editIndex() const { return m_colour->editIndex(); }

const QString& Form1::skinDirectory() const { return m_skin->skinDirectory(); }

void Form1::openColourFile(const QString& path) { m_colour->openColourFile(path); }

void Form1::openRegionFile(const QString& path) { m_region->openRegionFile(path); }

void Form1::openFile(const QString& path)
{
    switch (fileKind(path)) {
    case FileKind::Skin: m_skin->openSkin(path); break;
    case FileKind::Region: m_region->openRegionFile(path); break;
    case FileKind::Colour:
        if (m_colour->saveOrDiscardEdits())
            m_colour->openColourFile(path);
        break;
    }
}

void Form1::addRecentFile(const QString& path) { m_recentFiles->add(path); }

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
    mnuCheckSkin = action(mnuFile, QStringLiteral("mnuCheckSkin"), QStringLiteral("Chec&k Skin..."));
    mnuCheckSkin->setToolTip(QStringLiteral("What the player will make of the skin open"));
    // A skin is open once the preview has a folder or archive to read from.
    connect(mnuFile, &QMenu::aboutToShow, this, [this] { mnuCheckSkin->setEnabled(!m_skin->skinPath().isEmpty()); });
    mnuFile->addSeparator();
    m_recentFiles = new kit::RecentFilesMenu(m_settings, m_dialogs, this, [this](const QString& path) { openFile(path); });
    mnuFile->addMenu(m_recentFiles->menu());
    mnuFile->addSeparator();
    mnuExit = action(mnuFile, QStringLiteral("mnuExit"), QStringLiteral("&Exit"));
    mnuVis = menu(QStringLiteral("mnuVis"), QStringLiteral("&Tessel"));
    mnuVislear = action(mnuVis, QStringLiteral("mnuVislear"), QStringLiteral("&Clear"));
    // The menu's Clear has never had an action of its own; the button does the clearing.
    mnuVislear->setEnabled(false);
    mnuReg = menu(QStringLiteral("mnuReg"), QStringLiteral("&Region"));
    mnuRefReg = action(mnuReg, QStringLiteral("mnuRefReg"), QStringLiteral("&Refresh Region"));
    mnuClear = action(mnuReg, QStringLiteral("mnuClear"), QStringLiteral("&Clear Region"));
    mnuShowShape = action(mnuReg, QStringLiteral("mnuShowShape"), QStringLiteral("Show &Shape"));
    mnuShowShape->setCheckable(true);
    mnuHelp = menu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    mnuVisinf = action(mnuHelp, QStringLiteral("mnuVisinf"), QStringLiteral("&Vis Info"));
    mnuRegINF = action(mnuHelp, QStringLiteral("mnuRegINF"), QStringLiteral("&Region Info"));
    mnuAbout = action(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("&About"));

    // The desktop's keys, beside the captions' own accelerator letters.
    mnuOp->setShortcuts(QKeySequence::Open);
    munSaVis->setShortcuts(QKeySequence::Save);
    mnuOpSkin->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
    // Closing the one main window ends the program, so Close is Exit too.
    QList<QKeySequence> exitKeys = kit::withStandardKeys(Qt::CTRL | Qt::Key_Q, QKeySequence::Quit);
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close))
        if (!exitKeys.contains(key))
            exitKeys << key;
    mnuExit->setShortcuts(exitKeys);

    connect(mnuOp, &QAction::triggered, m_colour, &ColourPanel::Command1_Click);
    connect(munSaVis, &QAction::triggered, m_colour, &ColourPanel::Command2_Click);
    connect(mnuVisinf, &QAction::triggered, m_colour, &ColourPanel::mnuVisinf_Click);
    connect(mnuOpSkin, &QAction::triggered, m_skin, &SkinPanel::Command9_Click);
    connect(mnuOpRegion, &QAction::triggered, m_region, &RegionPanel::mnuOpRegion_Click);
    connect(mnuSaRegion, &QAction::triggered, m_region, &RegionPanel::Command13_Click);
    connect(mnuRefReg, &QAction::triggered, m_region, &RegionPanel::Command12_Click);
    connect(mnuClear, &QAction::triggered, m_region, &RegionPanel::Command15_Click);
    connect(mnuRegINF, &QAction::triggered, m_region, &RegionPanel::mnuRegINF_Click);
    // The menu item and the check box are one switch.
    connect(mnuShowShape, &QAction::toggled, m_region->showShapeBox(), &QCheckBox::setChecked);
    connect(m_region->showShapeBox(), &QCheckBox::toggled, mnuShowShape, &QAction::setChecked);
    connect(mnuExit, &QAction::triggered, this, &Form1::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &Form1::mnuAbout_Click);
    connect(mnuCheckSkin, &QAction::triggered, this, &Form1::mnuCheckSkin_Click);
}

void Form1::connectPanels()
{
    connect(m_colour, &ColourPanel::tableChanged, m_skin, [this] { m_skin->PaintPreview(colourTable()); });
    connect(m_colour, &ColourPanel::colourFileOpened, this, &Form1::afterColourFileLoaded);
    connect(m_skin, &SkinPanel::commitWanted, m_colour, &ColourPanel::Commit);
    connect(m_skin, &SkinPanel::skinOpened, m_region, &RegionPanel::copySkinIntoDrawingArea);
    for (auto opened : {&ColourPanel::colourFileOpened, &ColourPanel::colourFileSaved})
        connect(m_colour, opened, this, &Form1::addRecentFile);
    for (auto opened : {&RegionPanel::regionFileOpened, &RegionPanel::regionFileSaved})
        connect(m_region, opened, this, &Form1::addRecentFile);
    connect(m_skin, &SkinPanel::skinOpened, this, &Form1::addRecentFile);
    connect(m_skin, &SkinPanel::compactChanged, this, &Form1::applyLayout);
    // The caption stays first; the skin shown follows it.
    connect(m_skin, &SkinPanel::skinLoaded, this,
            [this](const QString& path) { setWindowTitle(kCaption + QStringLiteral(" - ") + skinTitleName(path)); });
    connect(m_skin, &SkinPanel::triggerWordTyped, this, &Form1::openShow);
}

void Form1::applyLayout()
{
    const bool compact = m_skin->compact();
    m_colour->setVisible(!compact);
    m_region->setVisible(!compact);
    for (QWidget* panel : panels())
        panel->setMask(panel->childrenRegion());
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(compact ? kCompactBody + QSize(0, menuHeight) : kFullSize);
}

void Form1::afterColourFileLoaded(const QString& path)
{
    m_skin->setSkinDirectoryFromFile(path);
    if (m_skin->autoSkinLoad() && m_skin->LoadSkin()) {
        m_skin->DrawMainWindow();
        m_region->copySkinIntoDrawingArea();
    }
}

void Form1::openShow()
{
    m_colour->stopRefresh();
    if (!m_show) {
        m_show = std::make_unique<Form2>();
        connect(m_show.get(), &Form2::closed, m_colour, &ColourPanel::startRefresh);
    }
    m_show->open(colourTable());
}

void Form1::mnuExit_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event)
{
    if (!m_colour->saveOrDiscardEdits() || !m_region->saveOrDiscardPoints()) {
        event->ignore();
        return;
    }
    event->accept();
    // Every window of the workbench goes with the main window.
    QApplication::closeAllWindows();
}

void Form1::mnuAbout_Click()
{
    if (!m_about) {
        m_about = std::make_unique<Form4>();
        kit::rememberPlacement(m_about.get(), m_settings, m_about->objectName());
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Form1::mnuCheckSkin_Click()
{
    const QString path = m_skin->skinPath();
    if (path.isEmpty())
        return;
    const QString name = skinTitleName(path);
    const skincheck::SkinReport report = skincheck::checkSkinAt(kit::toPath(path), name.toStdString());
    if (!m_skinCheck) {
        m_skinCheck = std::make_unique<SkinCheckWindow>();
        connect(m_skinCheck.get(), &SkinCheckWindow::findingActivated, this, &Form1::selectFinding);
        kit::rememberPlacement(m_skinCheck.get(), m_settings, m_skinCheck->objectName());
    }
    m_skinCheck->showReport(report, name);
    m_skinCheck->show();
    m_skinCheck->raise();
    m_skinCheck->activateWindow();
}

void Form1::selectFinding(const skincheck::Finding& finding)
{
    const bool colour = finding.colourEntry && *finding.colourEntry >= 0 && *finding.colourEntry < kColourEntries;
    const bool polygon = finding.polygon && finding.regionSection == "Normal";
    if (!colour && !polygon)
        return;
    // What the finding is about is the skin's own file, which Tessel shows as
    // it shows a file it opens.
    const kit::SkinOpen opened = kit::SkinSource::open(kit::toPath(m_skin->skinPath()));
    const kit::SkinMember* member = opened.skin ? opened.skin->find(colour ? "tessel.txt" : "region.txt") : nullptr;
    const kit::SkinRead read = member ? opened.skin->read(*member) : kit::SkinRead {{}, "missing"};
    if (!read.error.empty())
        return;
    // Both live in the full layout.
    if (m_skin->compact())
        m_skin->Command10_Click();
    if (colour && m_colour->takeColourText(read.bytes))
        m_colour->selectEntry(*finding.colourEntry);
    if (polygon) {
        m_region->showRegionText(read.bytes);
        m_skin->outlinePolygon(findingPolygon(read.bytes, finding.regionSection, *finding.polygon));
    }
    raise();
    activateWindow();
}

} // namespace tessel
