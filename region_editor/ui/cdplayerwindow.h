#pragma once

#include "region_editor/core/cddevice.h"

#include <QWidget>

#include <memory>

class QProgressBar;

namespace plevo {

class DisplayBox;
class MMControl;

// The CD player: the multimedia control, an open button, a close button and the
// track display. The display shows the number of tracks after Open, the track
// reached after next and previous, "1" after stop, "0" after eject, and a few
// words when a command failed (no drive, no disc, a data disc, no sound output).
class Form6 : public QWidget
{
    Q_OBJECT
public:
    Form6(std::unique_ptr<CdDevice> device, QWidget* owner);
    ~Form6() override;

private slots:
    void Image3_Click();
    void Image1_Click();
    void MMControl1_NextCompleted();
    void MMControl1_PrevCompleted();
    void MMControl1_StopClick();
    void MMControl1_EjectClick();
    void MMControl1_Done(plevo::CdCommand command, plevo::CdStatus status);

private:
    MMControl* MMControl1 = nullptr;
    DisplayBox* Text1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
};

} // namespace plevo
