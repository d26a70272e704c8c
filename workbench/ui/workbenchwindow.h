#pragma once

#include "colourfile.h"
#include "picturebox.h"
#include "skin.h"

#include <QMainWindow>

#include <array>
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
}

namespace tessel {

// Tessel's main window, "Veskit 1.x": the colour editor for Tessel.txt with its
// static and animated visualization previews, and the skin preview.
//
// Controls and state are public so that every handler, named after its control
// and event, and every test reaches them the same way.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr QSize kFullSize {578, 376};
    static constexpr QPoint kFullPreviewAt {285, 59};
    static constexpr QPoint kCompactPreviewAt {3, 1};

    explicit Form1(kit::Dialogs& dialogs, QWidget* parent = nullptr);

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

    QMenu* mnuFile;
    QAction* mnuOp;
    QAction* munSaVis;
    QAction* mnuOpSkin;
    QAction* mnuExit;
    QMenu* mnuVis;
    QAction* mnuVislear;
    QMenu* mnuHelp;
    QAction* mnuVisinf;

    ColourTable colourTable {};
    int editIndex = 0;
    int styleOffset = 0;
    QString skinDirectory;
    SkinPictures skin;
    TransportButton pressedButton = TransportButton::None;
    bool compact = false;

    // Stores the bars into the entry being edited, takes up the entry Slider1
    // selects and repaints the static previews.
    void Commit();
    void PaintPreview();
    void LoadSkin();
    void DrawMainWindow();
    // Each shows the author a message and changes nothing when the file cannot
    // be read or written; they return whether they succeeded.
    bool ReadColourFile(const QString& path);
    bool WriteColourFile(const QString& path);

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
    void Slider1_Change();
    void Timer1_Timer();
    void Timer2_Timer();
    void Label3_Click();
    void mnuExit_Click();
    void mnuVisinf_Click();
    void Combo2_Click();
    void Text2_Change();
    void Check2_Click();
    void Picture6_MouseDown(Qt::MouseButton button, QPoint at);
    void Picture6_MouseMove(Qt::MouseButtons buttons, QPoint at);
    void Picture6_MouseUp(Qt::MouseButton button, QPoint at);
    void Picture17_MouseDown(Qt::MouseButton button, QPoint at);
    void Picture17_MouseMove(Qt::MouseButtons buttons, QPoint at);
    void Picture17_MouseUp(Qt::MouseButton button, QPoint at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createActions();
    void connectHandlers();
    void applyLayout();
    void updateActions();
    // Commit without the repaint; `cutSelected` cuts the selected entry to 255 first.
    void storeBarsAndSelect(bool cutSelected);
    void setBars(const ColourEntry& entry);
    void afterColourFileLoaded(const QString& path);
    void setSkinDirectoryFromFile(const QString& path);
    void showKnob(const QRect& piece);
    void message(const QString& text);
    void failure(const QString& text);

    kit::Dialogs& m_dialogs;
    std::vector<QWidget*> m_fullLayoutOnly;
    TransportButton m_grabbedButton = TransportButton::None;
    int m_knobGrabX = 0;
    QImage m_visArea;
    std::vector<int> m_bars;
};

} // namespace tessel
