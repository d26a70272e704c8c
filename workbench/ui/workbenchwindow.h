#pragma once

#include "workbench/core/coloursession.h"
#include "workbench/core/polygonstore.h"
#include "workbench/core/skin.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QSlider;
class QTimer;

namespace kit {
class Dialogs;
class PictureBox;
}

namespace tessel {

class Form2;
class Form3;
class Form4;
using kit::PictureBox;

// Tessel's main window, "Veskit 1.x": the colour editor for Tessel.txt with its
// static and animated visualization previews, the skin preview, and the region
// drawing area with its polygons and region files. It opens the double-sized
// view, the about window and the show.
//
// Every control carries its name as its object name; each handler is named
// after its control and event.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr QSize kFullSize {578, 376};
    static constexpr QPoint kFullPreviewAt {285, 59};
    static constexpr QPoint kCompactPreviewAt {3, 1};

    explicit Form1(kit::Dialogs& dialogs, QWidget* parent = nullptr);
    ~Form1() override;

    const ColourTable& colourTable() const { return m_session.colourTable(); }
    int editIndex() const { return m_session.editIndex(); }
    const QString& skinDirectory() const { return m_skinDirectory; }
    // What Open Vis does once a file is chosen.
    void openColourFile(const QString& path);
    // What Open Region.txt does once a file is chosen: read it and draw it.
    void openRegionFile(const QString& path);

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void Slider1_Change();
    void Timer1_Timer();
    void Timer2_Timer();
    void Label3_Click();
    void mnuOpRegion_Click();
    void mnuExit_Click();
    void mnuVisinf_Click();
    void mnuRegINF_Click();
    void mnuAbout_Click();
    void Combo2_Click();
    void Text2_Change();
    void Check2_Click();
    void Picture6_MouseDown(Qt::MouseButton button, QPoint at);
    void Picture6_MouseMove(Qt::MouseButtons buttons, QPoint at);
    void Picture6_MouseUp(Qt::MouseButton button, QPoint at);
    void Picture17_MouseDown(Qt::MouseButton button, QPoint at);
    void Picture17_MouseMove(Qt::MouseButtons buttons, QPoint at);
    void Picture17_MouseUp(Qt::MouseButton button, QPoint at);
    void Picture20_MouseDown(Qt::MouseButton button, QPoint at);
    void Picture20_MouseMove(Qt::MouseButtons buttons, QPoint at);
    void Picture20_MouseUp(Qt::MouseButton button, QPoint at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createRegionControls(QWidget* body);
    void createActions();
    void connectHandlers();
    void applyLayout();
    void updateActions();
    void message(const QString& text);
    void failure(const QString& text);

    // The colour editor and the colour file.
    BarValues bars() const;
    void setBars(const BarValues& values);
    void Commit();
    void PaintPreview();
    bool ReadColourFile(const QString& path);
    bool WriteColourFile(const QString& path);
    void afterColourFileLoaded(const QString& path);

    // The skin preview.
    void LoadSkin();
    void DrawMainWindow();
    void setSkinDirectoryFromFile(const QString& path);
    void copySkinIntoDrawingArea();
    void showKnob(const QRect& piece);

    // Region drawing.
    void recordPoint(QPoint at, bool alsoInLines);
    void showPointCount();
    void showRegionTexts();
    void readRegionFile(bool draw);
    void readRegionFile(const QString& path, bool draw);
    void DrawRegion();

    kit::Dialogs& m_dialogs;

    // The colour editor.
    QSlider* Slider1;
    QScrollBar* HScroll1;
    QScrollBar* HScroll2;
    QScrollBar* HScroll3;
    std::array<QLabel*, 3> Label1;
    QLabel* Label2;
    PictureBox* Picture3;
    QSlider* Slider2;
    QLabel* Label15;
    PictureBox* Picture19;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command6;
    QPushButton* Command7;
    QPushButton* Command8;
    QCheckBox* Check1;
    QTimer* Timer1;

    // The visualization preview.
    PictureBox* Picture1;
    PictureBox* Picture2;
    PictureBox* Picture4;
    PictureBox* Picture5;
    QComboBox* Combo1;
    QPushButton* Command4;
    QTimer* Timer2;

    // The skin preview.
    PictureBox* Picture6;
    PictureBox* Picture17;
    QComboBox* Combo2;
    QLineEdit* Text2;
    QCheckBox* Check2;
    QPushButton* Command5;
    QPushButton* Command9;
    QPushButton* Command10;

    // Region drawing.
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
    QPushButton* Command11;
    QPushButton* Command12;
    QPushButton* Command13;
    QPushButton* Command14;
    QPushButton* Command15;
    QPushButton* Command16;

    QMenu* mnuFile;
    QAction* mnuOp;
    QAction* munSaVis;
    QAction* mnuOpSkin;
    QAction* mnuOpRegion;
    QAction* mnuSaRegion;
    QAction* mnuExit;
    QMenu* mnuVis;
    QAction* mnuVislear;
    QMenu* mnuReg;
    QAction* mnuRefReg;
    QAction* mnuClear;
    QMenu* mnuHelp;
    QAction* mnuVisinf;
    QAction* mnuRegINF;
    QAction* mnuAbout;

    ColourSession m_session;
    int styleOffset = 0;
    QString m_skinDirectory;
    SkinPictures m_skin;
    TransportButton pressedButton = TransportButton::None;
    bool m_compact = false;
    std::vector<QWidget*> m_fullLayoutOnly;
    TransportButton m_grabbedButton = TransportButton::None;
    int m_knobGrabX = 0;
    QImage m_visArea;
    std::vector<int> m_bars;

    PolygonStore m_polygons;
    // Where the next line starts in the drawing area.
    QPoint m_drawingPen;

    std::unique_ptr<Form2> m_show;
    std::unique_ptr<Form3> m_doubled;
    std::unique_ptr<Form4> m_about;
};

} // namespace tessel
