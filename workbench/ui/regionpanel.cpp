#include "workbench/ui/regionpanel.h"

#include "common/core/fileio.h"
#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "common/ui/picturebox.h"
#include "common/ui/rememberedfolders.h"
#include "common/ui/windowplacement.h"
#include "workbench/core/pixels.h"
#include "workbench/core/regionfile.h"
#include "workbench/core/regionshape.h"
#include "workbench/core/skin.h"
#include "workbench/ui/doublesizedwindow.h"
#include "workbench/ui/windowtexts.h"
#include "workbench/ui/skinpanel.h"
#include "workbench/ui/ticks.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace tessel {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
// The drawing area's own colour, under the skin until one is opened.
constexpr QRgb kDrawingBackground = qRgb(212, 208, 200);
constexpr QPoint kDrawingAreaAt {4, 233};

} // namespace

RegionPanel::RegionPanel(kit::Dialogs& dialogs, kit::Settings& settings, SkinPanel& preview, QWidget* parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_settings(settings)
    , m_preview(preview)
{
    setObjectName(QStringLiteral("RegionPanel"));
    createControls();
    const std::pair<QPushButton*, void (RegionPanel::*)()> buttons[] = {
        {Command11, &RegionPanel::Command11_Click}, {Command12, &RegionPanel::Command12_Click},
        {Command13, &RegionPanel::Command13_Click}, {Command14, &RegionPanel::Command14_Click},
        {Command15, &RegionPanel::Command15_Click}, {Command16, &RegionPanel::Command16_Click},
    };
    for (const auto& [control, handler] : buttons)
        connect(control, &QPushButton::clicked, this, handler);
    connect(Picture20, &PictureBox::mouseDown, this, &RegionPanel::Picture20_MouseDown);
    connect(Picture20, &PictureBox::mouseMove, this, &RegionPanel::Picture20_MouseMove);
    connect(Picture20, &PictureBox::mouseUp, this, &RegionPanel::Picture20_MouseUp);
    connect(Check4, &QCheckBox::toggled, this, &RegionPanel::Check4_Click);
    m_shapeDue = new QTimer(this);
    m_shapeDue->setSingleShot(true);
    m_shapeDue->setInterval(kTickInterval);
    connect(m_shapeDue, &QTimer::timeout, this, &RegionPanel::showShape);
    showRegionTexts();
}

RegionPanel::~RegionPanel() = default;

void RegionPanel::createControls()
{
    // A pixel smaller than the rest of the window, so that the six buttons with
    // their whole captions fit beside the previews.
    setFont(textFont(kTextPixels - 1));
    const auto placed = [](QWidget* control, const QString& name, QRect at) {
        control->setObjectName(name);
        control->setGeometry(at);
    };
    const auto button = [&](QPushButton*& control, const QString& name, const QString& text, QRect at) {
        control = new QPushButton(text, this);
        placed(control, name, at);
    };
    const auto textBox = [&](QLineEdit*& control, const QString& name, const QString& hint, QRect at) {
        control = new QLineEdit(this);
        control->setReadOnly(true);
        control->setAccessibleName(hint);
        control->setToolTip(hint);
        placed(control, name, at);
    };

    placed(new QLabel(QStringLiteral("RegionEditWindow"), this), QStringLiteral("RegionEditWindowCaption"),
           {4, 214, 112, 16});
    Picture20 = new PictureBox(this);
    placed(Picture20, QStringLiteral("Picture20"), {kDrawingAreaAt, kMainWindowSize});
    Picture20->setCursor(Qt::CrossCursor);
    Picture20->setToolTip(QStringLiteral("Left button: a corner, or drag to draw; right button: the next polygon"));
    QImage background = blankPicture(kMainWindowSize);
    background.fill(kDrawingBackground);
    Picture20->setPicture(background);
    // Gets the lines alone, without the skin under them; the window has no room to show it as well.
    Picture21 = new PictureBox(this);
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
    Check3 = new QCheckBox(QStringLiteral("AutoNextPoly on Lift"), this);
    placed(Check3, QStringLiteral("Check3"), {285, 287, 128, 20});
    Check4 = new QCheckBox(QStringLiteral("Show Shape"), this);
    placed(Check4, QStringLiteral("Check4"), {415, 287, 90, 20});
    Check4->setToolTip(QStringLiteral("The skin preview as the player cuts it to these polygons"));
    // Wide enough for counts up to 999,999.
    textBox(Text5, QStringLiteral("Text5"), QStringLiteral("Points of this polygon"), {507, 287, 66, 20});
    Label19 = new QLabel(this);
    placed(Label19, QStringLiteral("Label19"), {285, 309, 148, 20});
    Label6 = new QLabel(this);
    placed(Label6, QStringLiteral("Label6"), {435, 309, 138, 20});
    textBox(Text4, QStringLiteral("Text4"), QStringLiteral("This polygon"), {285, 331, 68, 22});
    textBox(Text6, QStringLiteral("Text6"), QStringLiteral("All polygons"), {355, 331, 68, 22});
    textBox(Text7, QStringLiteral("Text7"), QStringLiteral("Point counts"), {425, 331, 64, 22});
    textBox(Text3, QStringLiteral("Text3"), QStringLiteral("Region file"), {491, 331, 40, 22});
    textBox(Text8, QStringLiteral("Text8"), QStringLiteral("Saved points"), {533, 331, 40, 22});
}

// The skin's main window without the polygons read from a file, which are in
// no point store; the drawing area's own grey until a skin has loaded.
QImage RegionPanel::drawingBackdrop() const
{
    QImage backdrop = m_preview.skinMainWindow();
    if (backdrop.isNull()) {
        backdrop = blankPicture(kMainWindowSize);
        backdrop.fill(kDrawingBackground);
    }
    return backdrop;
}

void RegionPanel::copySkinIntoDrawingArea() { Picture20->setPicture(drawingBackdrop()); }

void RegionPanel::recordPoint(QPoint at, bool alsoInLines)
{
    if (m_pen.recordPoint(m_polygons, Picture20->surface(), at) && alsoInLines)
        setPixel(Picture21->surface(), at, kBlack);
    Picture20->update();
    showPointCount();
    polygonsChanged();
}

void RegionPanel::showPointCount()
{
    const int count = m_polygons.pointCount();
    Label19->setText(QStringLiteral("Currently on point #") + numberLabel(count) + QLatin1Char('.'));
    Text5->setText(count > 0 ? QString::number(count) : QString());
}

void RegionPanel::showRegionTexts()
{
    showPointCount();
    showText(Text4, m_polygons.currentPoints());
    showText(Text6, m_polygons.regionPoints());
    showText(Text7, m_polygons.regionCounts());
    polygonsChanged();
}

void RegionPanel::polygonsChanged()
{
    if (Check4->isChecked() && !m_shapeDue->isActive())
        m_shapeDue->start();
}

void RegionPanel::showShape() { m_preview.showShape(shapeMask(shapePolygons(m_polygons))); }

void RegionPanel::Check4_Click()
{
    m_shapeDue->stop();
    if (Check4->isChecked())
        showShape();
    else
        m_preview.showShape(std::nullopt);
}

void RegionPanel::Picture20_MouseDown(Qt::MouseButton button, QPoint at)
{
    if (button == Qt::LeftButton) {
        recordPoint(at, false);
        showText(Text4, m_polygons.currentPoints());
    } else if (button == Qt::RightButton && !m_polygons.newPolygon()) {
        m_polygons.FinishPolygon();
        showRegionTexts();
    }
}

void RegionPanel::Picture20_MouseMove(Qt::MouseButtons buttons, QPoint at)
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

void RegionPanel::Picture20_MouseUp(Qt::MouseButton button, QPoint at)
{
    if (button != Qt::LeftButton)
        return;
    drawLine(Picture21->surface(), m_polygons.anchor(), at, kBlack);
    m_polygons.setAnchor(at);
    if (Check3->isChecked())
        m_polygons.FinishPolygon();
    showRegionTexts();
}

void RegionPanel::Command14_Click()
{
    m_polygons.FinishPolygon();
    showRegionTexts();
}

void RegionPanel::Command15_Click()
{
    m_polygons.clear();
    QImage lines = blankPicture(kMainWindowSize);
    lines.fill(kDrawingBackground);
    Picture21->setPicture(lines);
    copySkinIntoDrawingArea();
    m_pen.reset();
    showRegionTexts();
}

void RegionPanel::Command16_Click()
{
    if (!m_doubled) {
        m_doubled = std::make_unique<Form3>(m_polygons);
        connect(m_doubled.get(), &Form3::regionChanged, this, &RegionPanel::showRegionTexts);
        kit::rememberPlacement(m_doubled.get(), m_settings, m_doubled->objectName());
    }
    m_doubled->showDoubled(drawingBackdrop());
    m_doubled->show();
    m_doubled->raise();
}

void RegionPanel::readRegionFile(bool draw)
{
    kit::FileRequest request;
    request.title = QStringLiteral("Open Region");
    const QString path = kit::openFileRemembering(m_dialogs, m_settings, this, kit::FolderKind::RegionFiles, request);
    if (!path.isEmpty())
        readRegionFile(path, draw);
}

void RegionPanel::openRegionFile(const QString& path) { readRegionFile(path, true); }

void RegionPanel::readRegionFile(const QString& path, bool draw)
{
    std::string text;
    if (const std::string reason = kit::readWholeFile(kit::toPath(path), text, kRegionFileSizeLimit); !reason.empty()) {
        showFailure(m_dialogs, this, readFailureText(path, reason));
        return;
    }
    takeRegionText(text, draw);
    emit regionFileOpened(path);
}

void RegionPanel::showRegionText(const std::string& text) { takeRegionText(text, true); }

void RegionPanel::takeRegionText(const std::string& text, bool draw)
{
    showText(Text3, text);
    const RegionText found = readRegionText(text);
    m_polygons.setRead(found.counts, found.pointList);
    showText(Text4, found.counts);
    polygonsChanged();
    if (draw)
        DrawRegion();
}

void RegionPanel::Command11_Click() { readRegionFile(false); }

void RegionPanel::mnuOpRegion_Click() { readRegionFile(true); }

void RegionPanel::DrawRegion()
{
    Text5->setText(kit::toQString(m_preview.DrawRegion(m_polygons.countsText(), m_polygons.pointList())));
}

void RegionPanel::Command12_Click() { DrawRegion(); }

void RegionPanel::Command13_Click() { saveRegionFile(); }

bool RegionPanel::saveRegionFile()
{
    kit::FileRequest request;
    request.title = QStringLiteral("Save Region");
    request.confirmOverwrite = true;
    const QString path = kit::saveFileRemembering(m_dialogs, m_settings, this, kit::FolderKind::RegionFiles, request);
    if (path.isEmpty())
        return false;
    const std::string withBlanks = m_polygons.prepareSave();
    showRegionTexts();
    showText(Text3, withBlanks);
    showText(Text8, m_polygons.regionPoints());
    if (const std::string reason = WriteRegionFile(kit::toPath(path), m_polygons.regionCounts(), m_polygons.regionPoints());
        !reason.empty()) {
        showFailure(m_dialogs, this, kit::couldNotSaveText(path, kit::fromSystemText(reason)));
        return false;
    }
    m_polygons.markSaved();
    emit regionFileSaved(path);
    return true;
}

bool RegionPanel::saveOrDiscardPoints()
{
    if (!m_polygons.unsaved())
        return true;
    switch (askToSave(m_dialogs, this, QStringLiteral("The region has points that Save Region has not saved."))) {
    case kit::MessageAnswer::Save: return saveRegionFile();
    case kit::MessageAnswer::Discard: return true;
    default: return false;
    }
}

void RegionPanel::mnuRegINF_Click()
{
    showMessage(m_dialogs, this,
                QStringLiteral(
                    "Region Editing Help\n\r\n\r"
                    "Use the region editing window located at the bottom.  You can draw Polygons by pressing the left mouse "
                    "button.\n\r"
                    "With each press a line is drawn from the previous point to the current point.  After you make a fully "
                    "enclosed polygon,\n\r"
                    "Press the right mouse button to start a new polygon.\n\r\n\r"
                    "You are trying to enclose the areas you want to SHOW when running winamp.\n\r"
                    "You can also use the Double Sized View to draw your polygons, but you will get twice as many points "
                    "(will be fixed in future versions).  When checked, AutoNextPoly will allow automatic finishing of a "
                    "polygon when you lift the mouse button, this way you will not have to press the right mouse button to "
                    "finish polygons."));
}

} // namespace tessel
