#pragma once

#include "region_editor/ui/pacer.h"

#include <QCoreApplication>

#include <algorithm>
#include <functional>

namespace plevo::testing {

// Time that passes only when a window waits: each wait lets pending events run
// once and then jumps to its deadline, so a three-second splash takes no real time.
class VirtualPacer final : public Pacer
{
public:
    std::chrono::milliseconds now() override { return m_now; }
    void letEventsRunUntil(std::chrono::milliseconds deadline) override
    {
        ++waits;
        QCoreApplication::processEvents();
        m_now = std::max(m_now, deadline);
        if (onWait)
            onWait();
    }

    // Runs at the end of every wait, as an event during the wait would.
    std::function<void()> onWait;
    int waits = 0;

private:
    std::chrono::milliseconds m_now {1000};
};

} // namespace plevo::testing
