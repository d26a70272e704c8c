#pragma once

#include "region_editor/core/cddevice.h"
#include "region_editor/core/mainlayout.h"
#include "region_editor/core/pointstore.h"
#include "region_editor/core/scratchfolder.h"
#include "region_editor/ui/aboutwindow.h"
#include "region_editor/ui/cdplayerwindow.h"
#include "region_editor/ui/colourpickerwindow.h"
#include "region_editor/ui/creditswindow.h"
#include "region_editor/ui/hostdirectorywindow.h"
#include "region_editor/ui/pointindexwindow.h"
#include "region_editor/ui/regionmarks.h"
#include "region_editor/ui/savewindow.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QGroupBox;
class QPainter;
class QLabel;
class QProgressBar;
class QFrame;

namespace kit {
class Dialogs;
class PictureBox;
class Settings;
}

namespace plevo {

class DisplayBox;
class Pacer;
class PictureButton;
class SeparatorLine;

using CdDeviceMaker = std::function<std::unique_ptr<CdDevice>()>;

// The region editor's main window: the skin picture with its pixel readout, the
// bottom row of picture buttons with their pop-up panels, the status line and the
// progress bar that the other windows report to.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    // The scratch files live in a folder of this window's own, made inside the
    // first of `scratchBases` that takes one, and are created empty at once.
    // `pacer` times the About window and the exit credits; `makeCdDevice` gives
    // the CD player its device each time the player window opens; `settings`
    // keeps the picture dialog's folder and the windows' places between runs.
    Form1(kit::Dialogs& dialogs, kit::Settings& settings, Pacer& pacer, CdDeviceMaker makeCdDevice,
          const QStringList& scratchBases, QWidget* parent = nullptr);
    ~Form1() override;

    // Services for the program's other windows.
    void setStatus(const QString& text);
    QString status() const;
    void ProgressSweep();
    void NewFile();
    // Writes Region.txt into `directory` and, when that worked, empties the point list.
    SaveResult SaveRegionFile(const QString& directory);
    void showSaveWindow();
    void showHostDirectoryWindow();
    void showAboutWindow();

    // Shows the author's own picture of the player's main window in place of the
    // built-in one. A file that cannot be read, is no picture or is not 275 x 116
    // pixels is refused with a message, and the picture shown stays.
    bool openPicture(const QString& path);
    // Ctrl+O: asks for the picture in the folder the last one came from.
    void openPictureFromDialog();
    const QImage& picture() const;
    // The colours and fill mode in which the recorded polygon is drawn over the picture.
    void setMarkStyle(const MarkStyle& style);
    const MarkStyle& markStyle() const { return m_markStyle; }

    const PointIndex& pointIndex() const { return m_points.index(); }
    // Empty when no folder could be made and the points are held in memory only.
    QString scratchFolder() const;
    Form3* colourPicker() const { return m_form3; }
    Form4* pointIndexWindow() const { return m_form4; }
    Form6* cdPlayer() const { return m_form6; }
    Form7* saveWindow() const { return m_form7; }
    Form8* hostDirectoryWindow() const { return m_form8; }
    frmAbout* aboutWindow() const { return m_about; }
    Form9* creditsWindow() const { return m_form9; }

signals:
    // The author confirmed quitting and closed the exit credits: the program ends.
    void ended();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void Image1_MouseMove(Qt::MouseButtons buttons, QPoint at);
    void Image1_Click(Qt::MouseButton button);
    void Image4_Click();
    void Image18_Click();
    void Image8_Click();
    void Image6_Click();
    void Image14_Click();
    void Image2_Click();
    void Image13_Click();
    void Image7_Click();
    void Image20_Click();
    void Image5_Click();
    void Image17_Click();
    void Image15_Click();
    void Image16_Click();
    void Image10_Click();
    void Image9_Click();
    void Image11_Click();
    void Image3_Click();
    void Image19_Click();
    void Image12_Click();
    void Image21_Click();

private:
    void buildControls(const QString& title);
    void addShortcuts();
    QFrame* buildPanel(const char* name);
    void applyLayout();
    // One magnification step; a refused step shows why and leaves the layout alone.
    void magnify(bool (*step)(MainLayout&), const QString& refusalTitle, const QString& refusal,
                 const QString& done);
    void hidePanels();
    void hideToolPanels();
    void showNewFileEffects();
    void makePointIndexWindow();
    void refreshPointIndexWindow();
    void paintMarks(QPainter& painter, int magnification) const;
    void refusePicture(const QString& text);
    void noteScratchFiles(const std::optional<FileProblem>& problem);
    bool askToQuit();

    kit::Dialogs& m_dialogs;
    kit::Settings& m_settings;
    Pacer& m_pacer;
    CdDeviceMaker m_makeCdDevice;
    ScratchFolder m_scratch;
    PointStore m_points;
    MainLayout m_layout = MainLayout::initial();
    MarkStyle m_markStyle;
    bool m_quitting = false;
    // Told once until the scratch files work again, not at every click.
    bool m_scratchProblemShown = false;

    QGroupBox* Frame1 = nullptr;
    kit::PictureBox* Image1 = nullptr;
    SeparatorLine* Line7 = nullptr;
    SeparatorLine* Line8 = nullptr;
    PictureButton* Image4 = nullptr;
    PictureButton* Image18 = nullptr;
    PictureButton* Image8 = nullptr;
    PictureButton* Image6 = nullptr;
    QLabel* Label1 = nullptr;
    DisplayBox* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    DisplayBox* Text2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    DisplayBox* Text3 = nullptr;
    QFrame* Picture1 = nullptr; // tools
    QFrame* Picture2 = nullptr; // file
    QFrame* Picture3 = nullptr; // magnify
    QFrame* Picture4 = nullptr; // extras

    QPointer<Form3> m_form3;
    QPointer<Form4> m_form4;
    QPointer<Form6> m_form6;
    QPointer<Form7> m_form7;
    QPointer<Form8> m_form8;
    QPointer<frmAbout> m_about;
    QPointer<Form9> m_form9;
};

// A one-pixel separator in a palette colour.
class SeparatorLine : public QWidget
{
    Q_OBJECT
public:
    SeparatorLine(QPalette::ColorRole role, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPalette::ColorRole m_role;
};

} // namespace plevo
