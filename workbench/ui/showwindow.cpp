#include "workbench/ui/showwindow.h"

#include "common/ui/picturebox.h"
#include "workbench/core/pixels.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace tessel {

Form2::Form2(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setFixedSize(ShowPattern::kSize);
    setWindowModality(Qt::ApplicationModal);
    Picture21 = new PictureBox(this);
    Picture21->setObjectName(QStringLiteral("Picture21"));
    Picture21->setGeometry({{0, 0}, ShowPattern::kSize});
    // Its frames cover it whole, so the window beneath is not filled first at every frame.
    Picture21->setPicture(blankPicture(ShowPattern::kSize));
    Picture21->setAttribute(Qt::WA_OpaquePaintEvent);
    Picture21->installEventFilter(this);
    // The drawing surface, never shown itself.
    Picture20 = new PictureBox(this);
    Picture20->setObjectName(QStringLiteral("Picture20"));
    Picture20->resize(ShowPattern::kSize);
    Picture20->hide();
    m_wake = new QTimer(this);
    m_wake->setSingleShot(true);
    m_wake->setTimerType(Qt::PreciseTimer);
    connect(Picture21, &PictureBox::mouseDown, this, &Form2::Picture21_MouseDown);
    connect(Picture21, &PictureBox::mouseUp, this, &Form2::Picture21_MouseUp);
}

void Form2::open(const ColourTable& table)
{
    m_table = table;
    stopFlag = false;
    m_effect = Effect::LinePattern;
    m_drift.reset(randomColour(), randomColour());
    m_pattern = {};
    m_zoom = {};
    Picture20->setPicture(blankPicture(ShowPattern::kSize));
    Picture21->setPicture(blankPicture(ShowPattern::kSize));
    showEffect();
    show();
    raise();
    activateWindow();
}

void Form2::showEffect()
{
    setWindowTitle(m_effect == Effect::LinePattern ? QStringLiteral("Vortex: line pattern (right click for the zoom)")
                                                   : QStringLiteral("Vortex: zoom (right click for the line pattern)"));
}

void Form2::Picture21_Click()
{
    // A click during the show, or on its way out, starts nothing more.
    if (m_running || stopFlag)
        return;
    m_running = true;
    const QScreen* shownOn = screen();
    const qreal refreshRate = shownOn && shownOn->refreshRate() >= 1 ? shownOn->refreshRate() : 60;
    const std::chrono::nanoseconds frame(std::llround(1e9 / refreshRate));
    QElapsedTimer clock;
    clock.start();
    std::chrono::nanoseconds next {};
    while (!stopFlag) {
        showFrame();
        // A frame that took longer than the screen's starts the next one at once.
        next = std::max(next + frame, std::chrono::nanoseconds(clock.nsecsElapsed()));
        letEventsRunUntil(clock, next);
    }
    m_running = false;
}

void Form2::letEventsRunUntil(const QElapsedTimer& clock, std::chrono::nanoseconds deadline)
{
    QCoreApplication::processEvents();
    for (auto remaining = deadline - std::chrono::nanoseconds(clock.nsecsElapsed()); !stopFlag && remaining.count() > 0;
         remaining = deadline - std::chrono::nanoseconds(clock.nsecsElapsed())) {
        // Its event ends the wait at the deadline if nothing else comes first.
        m_wake->start(std::chrono::ceil<std::chrono::milliseconds>(remaining));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    m_wake->stop();
}

void Form2::showFrame()
{
    if (m_effect == Effect::Zoom) {
        m_zoom.run(m_table, Picture20->surface(), Picture21->surface());
        Picture21->update();
        return;
    }
    m_pattern.draw(Picture20->surface(), m_drift.step(randomColour()));
    // The drawn surface is shown and the one shown before becomes the surface,
    // erased: the same as a copy, without copying.
    std::swap(Picture21->surface(), Picture20->surface());
    Picture21->update();
    Picture20->surface().fill(Qt::black);
    m_pattern.nextFrame();
}

void Form2::Picture21_DblClick()
{
    stopFlag = true;
    close();
}

void Form2::Picture21_MouseDown(Qt::MouseButton button, QPoint)
{
    if (button != Qt::RightButton)
        return;
    m_effect = m_effect == Effect::LinePattern ? Effect::Zoom : Effect::LinePattern;
    // Each effect starts on a black surface.
    Picture20->setPicture(blankPicture(ShowPattern::kSize));
    m_zoom.restartFromSurface();
    showEffect();
}

void Form2::Picture21_MouseUp(Qt::MouseButton button, QPoint at)
{
    if (button == Qt::LeftButton && Picture21->rect().contains(at))
        Picture21_Click();
}

void Form2::closeEvent(QCloseEvent* event)
{
    stopFlag = true;
    event->accept();
    emit closed();
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    // A second quick press of another button is a press like any other.
    if (watched == Picture21 && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Picture21_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessel
