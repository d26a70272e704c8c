#pragma once

#include "meter_values.h"
#include "scoped_win.h"

#include <windows.h>

namespace dovrik {

// Makes the surfaces, and the values drawn from them, exclusive between the
// threads that touch them: Render (on whatever thread the host calls it), the
// meter window's paint and timer, and a face switch from the configuration
// thread. A slim reader/writer lock held exclusively is all zeros when unused,
// so the state needs no start-up code. It is not recursive: nothing that holds it
// may call back into code that takes it, nor wait for another thread.
class MeterLock : NonCopyable {
public:
    constexpr MeterLock() = default;
    void lock() { AcquireSRWLockExclusive(&lock_); }
    void unlock() { ReleaseSRWLockExclusive(&lock_); }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
};

class Locked : NonCopyable {
public:
    explicit Locked(MeterLock& lock) : lock_(lock) { lock_.lock(); }
    ~Locked() { lock_.unlock(); }

private:
    MeterLock& lock_;
};

// The plug-in's one state record. Every member is zero when the library is
// loaded, and Quit resets none of the values; it only forgets the window.
struct MeterState : MeterValues {
    HWND meterWindow = nullptr;
    HWND hostWindow = nullptr;
    Surface backSurface; // meterWidth x meterHeight, where each frame is put together
    Surface faceSurface; // the face bitmap of modelId at its stored size
    MeterLock lock;
};

extern MeterState meterState;

} // namespace dovrik
