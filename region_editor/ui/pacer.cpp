#include "region_editor/ui/pacer.h"

#include <QCoreApplication>
#include <QTimer>

namespace plevo {

void Pacer::letEventsRunFor(std::chrono::milliseconds duration)
{
    const std::chrono::milliseconds end = now() + duration;
    do
        letEventsRunUntil(end);
    while (now() < end);
}

SystemPacer::SystemPacer()
{
    m_clock.start();
}

std::chrono::milliseconds SystemPacer::now()
{
    return std::chrono::milliseconds(m_clock.elapsed());
}

void SystemPacer::letEventsRunUntil(std::chrono::milliseconds deadline)
{
    const std::chrono::milliseconds remaining = deadline - now();
    if (remaining <= std::chrono::milliseconds::zero()) {
        QCoreApplication::processEvents();
        return;
    }
    // The timer's event wakes the wait at the deadline if nothing else does.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(remaining);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace plevo
