#pragma once

#include "meter_plugin/core/meter_values.h"
#include "meter_plugin/win32/scoped_win.h"

#include <windows.h>

#include <array>
#include <atomic>

namespace dovrik {

// Makes the surfaces, and the values drawn from them, exclusive between the
// threads that touch them: Render (on whatever thread the host calls it), the
// meter window's paint and timer, and a face switch from the configuration
// thread. A slim reader/writer lock held exclusively is all zeros when unused,
// so the state needs no start-up code. It is not recursive: nothing that holds it
// may call back into code that takes it, nor wait for another thread, nor touch
// the settings file, so that a slow disk never stalls Render. The values that
// the needle dialog's thread changes are atomic and need no lock.
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
    // The modelId whose face faceSurface holds and whose needles are laid out.
    // modelId can move away from it (the model dialog reads the settings file
    // back, which a failed save left behind), but the face drawn and its needles
    // change only together.
    int faceShown = 0;
    // The needles as the window last showed them, valid until a new back surface
    // (a new face or size) asks for a whole new picture. A frame whose needles
    // would land there again draws nothing: the picture would be the same.
    std::array<Point, 6> needlesOnScreen{};
    bool pictureOnScreen = false;
    // Frames that drew nothing since the window last got the whole picture. Now
    // and then one shows it again all the same (see showFrameIfChanged).
    int framesNotDrawn = 0;
    MeterLock lock;
    // True from Set Needle until the needle dialog has ended; set by the meter's
    // thread before the dialog's thread starts, so only one dialog ever opens.
    std::atomic<bool> needleDialogOpen{false};
    std::atomic<HWND> needleDialog{nullptr};
    JoinableThread needleThread; // started by Set Needle, joined on the meter's thread
};

extern MeterState meterState;

// Reads the settings file into the state: the current values are taken under
// the lock, the file is read outside it, and what was read is applied under it.
void loadSettings(MeterState& state, HINSTANCE library);

// Writes the state's settings: taken under the lock, written outside it.
void saveSettings(MeterState& state, HINSTANCE library);

} // namespace dovrik
