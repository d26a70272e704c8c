#include "meter_plugin/win32/scoped_win.h"

namespace dovrik {

void Surface::create(HDC reference)
{
    release();
    dc_ = CreateCompatibleDC(reference);
}

void Surface::adoptBitmap(HBITMAP bitmap)
{
    if (!bitmap)
        return;
    HGDIOBJ previous = dc_ ? SelectObject(dc_, bitmap) : nullptr;
    if (!previous) {
        DeleteObject(bitmap);
        return;
    }
    if (bitmap_)
        DeleteObject(bitmap_);
    else
        initialBitmap_ = previous;
    bitmap_ = bitmap;
}

void Surface::selectStockPen(int stockPen)
{
    if (!dc_)
        return;
    HGDIOBJ previous = SelectObject(dc_, GetStockObject(stockPen));
    if (!initialPen_)
        initialPen_ = previous;
}

void Surface::release()
{
    if (!dc_)
        return;
    if (initialPen_)
        SelectObject(dc_, initialPen_);
    if (initialBitmap_)
        SelectObject(dc_, initialBitmap_);
    if (bitmap_)
        DeleteObject(bitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    initialBitmap_ = nullptr;
    initialPen_ = nullptr;
}

bool JoinableThread::start(LPTHREAD_START_ROUTINE routine, void* argument)
{
    if (thread_)
        return false;
    thread_ = CreateThread(nullptr, 0, routine, argument, 0, nullptr);
    return thread_ != nullptr;
}

bool JoinableThread::join(DWORD timeoutMs)
{
    if (!thread_)
        return true;
    const DWORD started = GetTickCount();
    for (;;) {
        const DWORD waited = GetTickCount() - started;
        const bool lastLook = timeoutMs != INFINITE && waited >= timeoutMs;
        const DWORD left = timeoutMs == INFINITE ? INFINITE : lastLook ? 0 : timeoutMs - waited;
        const DWORD woken = lastLook ? WaitForSingleObject(thread_, 0)
                                     : MsgWaitForMultipleObjects(1, &thread_, FALSE, left, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0) {
            CloseHandle(thread_);
            thread_ = nullptr;
            return true;
        }
        if (lastLook || woken != WAIT_OBJECT_0 + 1)
            return false;
        // Looking at the queue delivers the messages sent to this thread.
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

} // namespace dovrik
