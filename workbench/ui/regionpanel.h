#pragma once

#include "workbench/core/drawingpen.h"
#include "workbench/core/polygonstore.h"

#include <QWidget>

#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace kit {
class Dialogs;
class PictureBox;
class Settings;
}

namespace tessel {

class Form3;
class SkinPanel;
using kit::PictureBox;

// The region drawing of the main window: the drawing area on a copy of the
// skin's main window where the author draws polygons, the boxes with their
// points and counts, region files saved and read, the read polygons drawn over
// the skin preview, and the double-sized view.
//
// It lies over the whole client area of the main window, as the other panels
// do, so that every control keeps its place in the window's coordinates.
class RegionPanel : public QWidget
{
    Q_OBJECT
public:
    // `preview` is the skin preview that the drawing area copies and that read
    // regions are drawn over.
    RegionPanel(kit::Dialogs& dialogs, kit::Settings& settings, SkinPanel& preview, QWidget* parent = nullptr);
    ~RegionPanel() override;

    const PolygonStore& polygons() const { return m_polygons; }
    // "Show Shape": the skin preview shows the window as the player cuts it.
    QCheckBox* showShapeBox() const { return Check4; }
    // What Open Region.txt does once a file is chosen: read it and draw it.
    void openRegionFile(const QString& path);
    // What Open Region.txt does with the text of a region file it has read.
    void showRegionText(const std::string& text);
    // The skin's main window becomes the picture the author draws on.
    void copySkinIntoDrawingArea();
    // Before the points drawn are thrown away: when some are not saved, asks
    // whether to save them (Save Region), throw them away, or keep everything.
    // True when the author may go on.
    bool saveOrDiscardPoints();

signals:
    // A region file was read from, or the polygons written to, `path`.
    void regionFileOpened(const QString& path);
    void regionFileSaved(const QString& path);

public slots:
    void Picture20_MouseDown(Qt::MouseButton button, QPoint at);
    void Picture20_MouseMove(Qt::MouseButtons buttons, QPoint at);
    void Picture20_MouseUp(Qt::MouseButton button, QPoint at);
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void mnuOpRegion_Click();
    void mnuRegINF_Click();
    void Check4_Click();

private:
    void createControls();
    QImage drawingBackdrop() const;
    void recordPoint(QPoint at, bool alsoInLines);
    void showPointCount();
    void showRegionTexts();
    // The polygons changed: the shape shown follows at the next tick.
    void polygonsChanged();
    void showShape();
    void readRegionFile(bool draw);
    void readRegionFile(const QString& path, bool draw);
    void takeRegionText(const std::string& text, bool draw);
    // Save Region: true once the polygons are in the file the author chose.
    bool saveRegionFile();
    void DrawRegion();

    kit::Dialogs& m_dialogs;
    kit::Settings& m_settings;
    SkinPanel& m_preview;

    PictureBox* Picture20;
    PictureBox* Picture21;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QLineEdit* Text6;
    QLineEdit* Text7;
    QLineEdit* Text8;
    QLabel* Label19;
    QLabel* Label6;
    QCheckBox* Check3;
    QCheckBox* Check4;
    QPushButton* Command11;
    QPushButton* Command12;
    QPushButton* Command13;
    QPushButton* Command14;
    QPushButton* Command15;
    QPushButton* Command16;

    PolygonStore m_polygons;
    DrawingPen m_pen;
    // A drag records a point at every move: the shape is cut once a tick.
    QTimer* m_shapeDue;
    std::unique_ptr<Form3> m_doubled;
};

} // namespace tessel
