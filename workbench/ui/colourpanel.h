#pragma once

#include "workbench/core/coloursession.h"

#include <QWidget>

#include <array>
#include <string_view>

class QLabel;
class QPushButton;
class QScrollBar;
class QSlider;
class QTimer;

namespace kit {
class Dialogs;
class PictureBox;
class Settings;
}

namespace tessel {

using kit::PictureBox;

// The colour editor of the main window: the entry slider, the red, green and
// blue bars with their swatch, the fade, the display refresh, and Tessel.txt
// opened and saved. The bars hold the values being edited; they reach the
// table at a commit.
//
// It lies over the whole client area of the main window, as the other panels
// do, so that every control keeps its place in the window's coordinates.
class ColourPanel : public QWidget
{
    Q_OBJECT
public:
    ColourPanel(kit::Dialogs& dialogs, kit::Settings& settings, QWidget* parent = nullptr);

    const ColourTable& colourTable() const { return m_session.colourTable(); }
    int editIndex() const { return m_session.editIndex(); }
    // What Open Vis does once a file is chosen.
    void openColourFile(const QString& path);
    // Takes the colour file text `text` into the table as Open Vis takes a
    // file, but for the skin directory, which stays; asks first about edits
    // not saved, and returns whether it took it.
    bool takeColourText(std::string_view text);
    // Before the table is thrown away: when it has changes not saved, asks
    // whether to save them (Save Vis), throw them away, or keep everything.
    // True when the author may go on.
    bool saveOrDiscardEdits();
    bool unsaved() const { return m_session.unsaved(); }
    // Stores the bars into the table and reloads them from the selected entry.
    void Commit();
    // Selects entry `entry` as the author does with the entry slider.
    void selectEntry(int entry);
    // The display refresh stops while a commit or the show runs.
    void stopRefresh();
    void startRefresh();

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Slider1_Change();
    void Timer1_Timer();
    void Label3_Click();
    void mnuVisinf_Click();

signals:
    // The table changed: the previews paint it again.
    void tableChanged();
    // A colour file was read into the table from `path`.
    void colourFileOpened(const QString& path);
    // The table was written to `path`.
    void colourFileSaved(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    BarValues bars() const;
    void setBars(const BarValues& values);
    bool ReadColourFile(const QString& path);
    // What follows a read: the table, the file's texts and entry 0 selected.
    void showLoadedTable(const ColourTable& table);
    bool WriteColourFile(const QString& path);
    // Save Vis: true once the table is in the file the author chose.
    bool saveColourFile();
    // Brings the refresh's next tick, unless it is stopped.
    void refreshSoon();

    kit::Dialogs& m_dialogs;
    kit::Settings& m_settings;

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
    QTimer* Timer1;

    ColourSession m_session;
    bool m_refreshRunning = false;
};

} // namespace tessel
