#pragma once

#include "region_editor/core/cddevice.h"

#include <QTimer>
#include <QWidget>

class QToolButton;

namespace plevo {

// The multimedia control of the CD player window: a row of previous, next, play,
// pause, stop and eject buttons over a CD device. The buttons work by themselves;
// the control tells its window about them with the events below. StopClick and
// EjectClick come when their button is pressed, before the control carries out
// the button's own command; NextCompleted and PrevCompleted come once the device
// has moved. Done reports every command the device answered, including the
// window's own. The buttons are enabled while the device is open. While the disc
// plays, the control asks the device where it has got to every quarter second,
// as the classic control updated its status, so that a disc that plays out to
// its end leaves the player stopped without a press.
class MMControl : public QWidget
{
    Q_OBJECT
public:
    MMControl(std::unique_ptr<CdDevice> device, QWidget* parent);
    ~MMControl() override;

    // Sends a command of the window's own, such as "Open", to the device.
    void Command(CdCommand command, int track = 0);
    // As of the last answer.
    const CdStatus& status() const { return m_status; }

signals:
    void NextCompleted();
    void PrevCompleted();
    void StopClick();
    void EjectClick();
    void Done(plevo::CdCommand command, plevo::CdStatus status);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void press(CdCommand command);
    void answered(CdCommand command, const CdStatus& status);

    std::unique_ptr<CdDevice> m_device;
    CdStatus m_status;
    std::vector<QToolButton*> m_buttons;
    QTimer m_statusUpdate;
};

} // namespace plevo
