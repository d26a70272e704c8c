#pragma once

#include "workbench/core/colourfile.h"
#include "workbench/core/lineanimation.h"
#include "workbench/core/zoom.h"

#include <QWidget>

#include <chrono>

class QElapsedTimer;
class QTimer;

namespace kit {
class PictureBox;
}

namespace tessel {

using kit::PictureBox;

// The hidden show: an 800 x 600 window with two effects, the line pattern and
// the zoom. A click runs the running effect until a double click ends the show
// and closes the window; a right click switches the effect, and the title says
// which one runs. The window blocks the others while open.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    enum class Effect { LinePattern, Zoom };

    explicit Form2(QWidget* parent = nullptr);

    // Opens the show afresh with the line pattern; the zoom fades through the
    // analyzer colours of `table`.
    void open(const ColourTable& table);
    Effect effect() const { return m_effect; }

public slots:
    // Runs frames until stopFlag is set, one for each frame of the screen,
    // letting pending events through between them.
    void Picture21_Click();
    void Picture21_DblClick();
    void Picture21_MouseDown(Qt::MouseButton button, QPoint at);
    void Picture21_MouseUp(Qt::MouseButton button, QPoint at);
    // One frame of the effect that runs.
    void showFrame();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showEffect();
    // Lets pending events run, at least once, until `deadline` on `clock` or
    // until the show stops, sleeping while none come.
    void letEventsRunUntil(const QElapsedTimer& clock, std::chrono::nanoseconds deadline);

    PictureBox* Picture21;
    PictureBox* Picture20;
    QTimer* m_wake;

    bool stopFlag = true;
    bool m_running = false;
    Effect m_effect = Effect::LinePattern;
    ColourTable m_table {};
    ColourDrift m_drift;
    ShowPattern m_pattern;
    ZoomStep m_zoom;
};

} // namespace tessel
