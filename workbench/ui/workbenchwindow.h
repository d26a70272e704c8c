#pragma once

#include "skin_checker/core/findings.h"
#include "workbench/core/colourfile.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QMenu;

namespace kit {
class Dialogs;
class RecentFilesMenu;
class Settings;
}

namespace tessel {

class ColourPanel;
class Form2;
class Form4;
class RegionPanel;
class SkinCheckWindow;
class SkinPanel;

// Tessel's main window, "Veskit 1.x": the colour editor for Tessel.txt, the
// skin preview with the colours' previews, and the region drawing, one panel
// each, with the menus that reach them. It switches between the full layout
// and the compact one that keeps only the skin preview, and opens the about
// window and the show.
//
// Every control carries its name as its object name; each handler is named
// after its control and event. The folders of its file dialogs, its recent
// files and its windows' places are kept in `settings`; before colour edits or
// region points that are not saved are thrown away, it asks.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr QSize kFullSize {578, 376};

    Form1(kit::Dialogs& dialogs, kit::Settings& settings, QWidget* parent = nullptr);
    ~Form1() override;

    const ColourTable& colourTable() const;
    int editIndex() const;
    const QString& skinDirectory() const;
    // What Open Vis does once a file is chosen.
    void openColourFile(const QString& path);
    // What Open Region.txt does once a file is chosen: read it and draw it.
    void openRegionFile(const QString& path);
    // Opens `path` as what it is (see fileKind): a skin, a region file or a
    // colour file, asking first where colour edits would be thrown away.
    void openFile(const QString& path);

public slots:
    void mnuExit_Click();
    void mnuAbout_Click();
    // Check Skin: the skin checker's findings on the skin open, in a window.
    void mnuCheckSkin_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<QWidget*, 3> panels() const;
    void createActions();
    void connectPanels();
    void applyLayout();
    void afterColourFileLoaded(const QString& path);
    void openShow();
    void addRecentFile(const QString& path);
    // Selects what a finding of Check Skin names, where the window shows it:
    // the entry of the skin's colour file, or the polygon of the main window's
    // region, each file read from the skin as its Open command reads one.
    void selectFinding(const skincheck::Finding& finding);

    ColourPanel* m_colour;
    SkinPanel* m_skin;
    RegionPanel* m_region;

    QMenu* mnuFile;
    QAction* mnuOp;
    QAction* munSaVis;
    QAction* mnuOpSkin;
    QAction* mnuOpRegion;
    QAction* mnuSaRegion;
    QAction* mnuCheckSkin;
    kit::RecentFilesMenu* m_recentFiles;
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

    kit::Dialogs& m_dialogs;
    kit::Settings& m_settings;
    std::unique_ptr<Form2> m_show;
    std::unique_ptr<Form4> m_about;
    std::unique_ptr<SkinCheckWindow> m_skinCheck;
};

} // namespace tessel
