#pragma once

#include "workbench/core/colourfile.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QMenu;

namespace kit {
class Dialogs;
}

namespace tessel {

class ColourPanel;
class Form2;
class Form4;
class RegionPanel;
class SkinPanel;

// Tessel's main window, "Veskit 1.x": the colour editor for Tessel.txt, the
// skin preview with the colours' previews, and the region drawing, one panel
// each, with the menus that reach them. It switches between the full layout
// and the compact one that keeps only the skin preview, and opens the about
// window and the show.
//
// Every control carries its name as its object name; each handler is named
// after its control and event.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr QSize kFullSize {578, 376};

    explicit Form1(kit::Dialogs& dialogs, QWidget* parent = nullptr);
    ~Form1() override;

    const ColourTable& colourTable() const;
    int editIndex() const;
    const QString& skinDirectory() const;
    // What Open Vis does once a file is chosen.
    void openColourFile(const QString& path);
    // What Open Region.txt does once a file is chosen: read it and draw it.
    void openRegionFile(const QString& path);

public slots:
    void mnuExit_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<QWidget*, 3> panels() const;
    void createActions();
    void connectPanels();
    void applyLayout();
    void afterColourFileLoaded(const QString& path);
    void openShow();

    ColourPanel* m_colour;
    SkinPanel* m_skin;
    RegionPanel* m_region;

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
    QAction* mnuShowShape;
    QMenu* mnuHelp;
    QAction* mnuVisinf;
    QAction* mnuRegINF;
    QAction* mnuAbout;

    std::unique_ptr<Form2> m_show;
    std::unique_ptr<Form4> m_about;
};

} // namespace tessel
