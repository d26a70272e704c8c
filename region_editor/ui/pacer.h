#pragma once

#include <QElapsedTimer>

#include <chrono>

namespace plevo {

// The clock that the program's waits (the splash, the About icon, the credits)
// run on, and the way they let pending events through meanwhile. The clock is
// monotonic: it never jumps, at midnight or when the system time is set, so
// every wait ends.
class Pacer
{
public:
    virtual ~Pacer() = default;

    virtual std::chrono::milliseconds now() = 0;
    // Lets pending events run, returning once some have run or `deadline` has
    // come on this clock, whichever is first.
    virtual void letEventsRunUntil(std::chrono::milliseconds deadline) = 0;

    // Lets events run until `duration` has passed.
    void letEventsRunFor(std::chrono::milliseconds duration);
};

// Real time. Waiting sleeps until an event or the deadline comes, instead of
// spinning the processor.
class SystemPacer final : public Pacer
{
public:
    SystemPacer();

    std::chrono::milliseconds now() override;
    void letEventsRunUntil(std::chrono::milliseconds deadline) override;

private:
    QElapsedTimer m_clock;
};

} // namespace plevo
