#pragma once

#include "workbench/core/lineanimation.h"

#include <QStaticText>
#include <QWidget>

class QTimer;

namespace kit {
class PictureBox;
}

namespace tessel {

using kit::PictureBox;

// "About Veskit": a line pattern drifting through random colours, with text
// lines fading in and out over it. Its state starts afresh at every opening.
class Form4 : public QWidget
{
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

public slots:
    // The pattern step: a drifted colour, 120 more segments, one pass of the
    // pending events, then the pattern and the text line shown. Stops without
    // showing anything once the window has closed in that pass.
    void Timer1_Timer();
    // The text step: the line fades one step further.
    void Timer2_Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Picture2 copied into Picture3, with the text line printed over it.
    void showPatternWithText();

    PictureBox* Picture1;
    PictureBox* Picture2;
    PictureBox* Picture3;
    QTimer* Timer1;
    QTimer* Timer2;

    bool stopFlag = true;
    AboutFade m_fade;
    ColourDrift m_drift;
    AboutPattern m_pattern;
    // The line on show, laid out once for all the ticks that fade it.
    QStaticText m_line;
    int m_lineLaidOut = -1;
};

} // namespace tessel
