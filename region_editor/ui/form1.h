#pragma once

#include "form4.h"
#include "form7.h"
#include "form8.h"
#include "mainlayout.h"
#include "pointstore.h"

#include <QPointer>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QFrame;

namespace kit {
class Dialogs;
class PictureButton;
}

namespace plevo {

class SeparatorLine;
class SkinPicture;

// The region editor's main window: the skin picture with its pixel readout, the
// bottom row of picture buttons with their pop-up panels, the status line and the
// progress bar that the other windows report to.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    // The scratch files live in `scratchDirectory`; they are created empty at once.
    Form1(kit::Dialogs& dialogs, const QString& scratchDirectory, QWidget* parent = nullptr);
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

    const PointIndex& pointIndex() const { return m_points.index(); }
    const MainLayout& geometryInTwips() const { return m_layout; }
    const PointStore& pointStore() const { return m_points; }
    Form4* pointIndexWindow() const { return m_form4; }
    Form7* saveWindow() const { return m_form7; }
    Form8* hostDirectoryWindow() const { return m_form8; }

signals:
    // The author confirmed quitting and the scratch files are gone: the program ends.
    void ended();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void Image1_MouseMove(QPointF position);
    void Image1_Click();
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
    QFrame* buildPanel(const char* name);
    void applyLayout();
    // One magnification step; a refused step shows why and leaves the layout alone.
    void magnify(bool (*step)(MainLayout&), const QString& refusalTitle, const QString& refusal,
                 const QString& done);
    void hidePanels();
    void hideToolPanels();
    void showNewFileEffects();
    void refreshPointIndexWindow();
    void reportScratchProblem(const FileProblem& problem);
    bool askToQuit();

    kit::Dialogs& m_dialogs;
    PointStore m_points;
    MainLayout m_layout = MainLayout::initial();
    bool m_quitting = false;

    QGroupBox* Frame1 = nullptr;
    SkinPicture* Image1 = nullptr;
    SeparatorLine* Line7 = nullptr;
    SeparatorLine* Line8 = nullptr;
    kit::PictureButton* Image4 = nullptr;
    kit::PictureButton* Image18 = nullptr;
    kit::PictureButton* Image8 = nullptr;
    kit::PictureButton* Image6 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLineEdit* Text3 = nullptr;
    QFrame* Picture1 = nullptr; // tools
    QFrame* Picture2 = nullptr; // file
    QFrame* Picture3 = nullptr; // magnify
    QFrame* Picture4 = nullptr; // extras

    QPointer<Form4> m_form4;
    QPointer<Form7> m_form7;
    QPointer<Form8> m_form8;
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
