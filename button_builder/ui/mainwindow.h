#pragma once

#include "button_builder/core/elementtable.h"
#include "button_builder/core/randomcolours.h"

#include <QMainWindow>

#include <array>

class QAction;
class QMenu;
class QPushButton;
class QTabWidget;

namespace kit {
class Dialogs;
class PictureBox;
class RecentFilesMenu;
class Settings;
enum class FolderKind;
}

namespace knapro {

using kit::PictureBox;

// The builder's working window: one tab per player window, each with the opened
// picture shown plainly above and, below, under the cover and the clickable
// element areas. A pick (click or element menu) cuts the element into the preview,
// which can be saved as a bitmap file or copied.
class frmButton : public QMainWindow
{
    Q_OBJECT
public:
    // `settings` keeps the dialogs' folders, the recent files and the window's place.
    frmButton(kit::Dialogs& dialogs, kit::Settings& settings, QWidget* parent = nullptr);

    int currentTab() const { return intTab; }
    // The picture that elements are cut from: the current tab's, or a null image.
    const QImage& currentPicture() const;

public slots:
    void tabButton_Click();
    void OpenFile();
    // What Open does once a file is chosen, for the picture of tab `tab`
    // (0 main window, 1 equalizer, 2 playlist editor).
    void openPicture(int tab, const QString& path);
    // Fills the three tabs from one skin folder or archive; a tab whose picture
    // the skin lacks is left empty, and the author is told which.
    void openSkin(const QString& path);
    void mnuFileOpenSkin_Click();
    // A file from Recent Files or the command line: a skin folder or archive
    // opens as Open Skin opens it, a picture on the current tab as Open would.
    void openSkinOrPicture(const QString& path);
    void picButton_MouseDown(int button);
    void imgCover_MouseDown(int index, int button);
    void elementArea_MouseDown(const knapro::ClickableArea& area, int button);
    void elementCommand_Click(std::string_view command);
    void mnuFileSave_Click();
    void mnuEditCopy_Click();
    void mnuFileClose_Click();
    void mnuFileCloseAll_Click();
    void mnuFileRanVis_Click();
    void mnuHelpAbout_Click();
    void mnuFileExit_Click();

private:
    struct TabControls
    {
        QImage picture;
        QWidget* page = nullptr;
        PictureBox* picBack = nullptr;
        PictureBox* imgBack = nullptr;
        PictureBox* imgCover = nullptr;
        QMenu* elementMenu = nullptr;
    };

    void createActions();
    void createMenus();
    QMenu* createElementMenu(int tab);
    void createControls();
    void createTabControls(int tab);
    void updateCommandStates();

    QString OpenFileName();
    void Buttons(const ElementRect& cut, const QString& strTool, int intMouse = 0);
    QString SaveFileName();
    void SaveFileAs();
    void RandomColourFile();
    void showWrongSize();
    void hidePreview();
    void useBitmapSaveSettings();
    void setTabPicture(int tab, const QImage& picture);
    bool writeFileReportingFailure(const QString& path, const std::string& bytes);

    kit::Dialogs& m_dialogs;
    kit::Settings& m_settings;
    kit::RecentFilesMenu* m_recentFiles = nullptr;
    ClockMixedRandom m_generator;

    int intTab = 0;
    QString strDefaultExt;
    QString strFilter;
    QString m_saveDialogFileName;
    // Cut bitmaps and colour files each have their remembered folder.
    kit::FolderKind m_saveFolderKind {};
    bool m_previewShown = false;

    std::array<TabControls, kTabCount> m_tabs;
    QTabWidget* tabButton = nullptr;
    PictureBox* picButton = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdExit = nullptr;

    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileOpenSkin = nullptr;
    QAction* mnuFileClose = nullptr;
    QAction* mnuFileCloseAll = nullptr;
    QAction* mnuFileRanVis = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuEditCopy = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QMenu* mnuPopup = nullptr;
    QAction* mnuPopupSave = nullptr;
    QAction* mnuPopupCopy = nullptr;
    QAction* mnuPopupOpen = nullptr;
    QAction* mnuPopupClose = nullptr;
};

} // namespace knapro
