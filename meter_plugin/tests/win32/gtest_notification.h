#pragma once

#include <windows.h>

// GoogleTest hands each thread it starts a Notification to wait on. Its own is
// built on std::mutex, which the cross compiler's win32-threads runtime lacks, so
// the Windows copy of the unit tests gets this one, on a Windows event.
namespace testing::internal {

class Notification {
public:
    Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(event_); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};

} // namespace testing::internal
