#pragma once

#include <windows.h>

#include <cstddef>

// Owners for the drawing contexts, GDI objects, heap memory, kernel handles and
// threads the meter borrows or makes, so that every GetDC has its ReleaseDC,
// every BeginPaint its EndPaint, every selection is undone before its context
// goes away, every allocation is freed, every handle is closed and every thread
// seen to its end. None of them can be copied.
namespace dovrik {

class NonCopyable {
protected:
    constexpr NonCopyable() = default;
    ~NonCopyable() = default;

public:
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;
};

// The drawing context of a window, released when the scope ends.
class WindowDC : NonCopyable {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// One WM_PAINT's drawing context.
class PaintDC : NonCopyable {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    HDC get() const { return dc_; }
    // The part of the window that this paint updates.
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory drawing context for the length of a scope.
class MemoryDC : NonCopyable {
public:
    explicit MemoryDC(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
    ~MemoryDC()
    {
        if (dc_)
            DeleteDC(dc_);
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A GDI object this code created, deleted when the scope ends.
class GdiObject : NonCopyable {
public:
    explicit GdiObject(HGDIOBJ object) : object_(object) {}
    ~GdiObject()
    {
        if (object_)
            DeleteObject(object_);
    }
    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

// An object selected into a context for the length of a scope.
class Selection : NonCopyable {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// An off-screen drawing surface that lives across calls: a memory context, the
// bitmap it owns and draws on, and a stock pen. It remembers the bitmap and pen
// the context came with and puts them back before the context is deleted.
// Surfaces live in the plug-in's static state, which must need no code of its
// own at start-up or shutdown: a surface holds on to everything until
// release(), which the plug-in's Quit calls, and has no destructor.
class Surface : NonCopyable {
public:
    constexpr Surface() = default;

    // A new context compatible with `reference`, releasing any previous one.
    // Without a context from the platform the surface holds nothing.
    void create(HDC reference);

    // Selects `bitmap` into the context and takes it over in every case: a
    // bitmap owned before is deleted, and so is `bitmap` itself when it cannot be
    // selected. A null bitmap (a resource that does not exist) changes nothing.
    void adoptBitmap(HBITMAP bitmap);

    // Selects one of the platform's stock pens; stock objects are never deleted.
    void selectStockPen(int stockPen);

    // Puts the initial bitmap and pen back, deletes the owned bitmap and the
    // context. Safe to call on a surface that holds nothing.
    void release();

    HDC dc() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ initialBitmap_ = nullptr;
    HGDIOBJ initialPen_ = nullptr;
};

// Elements from the process heap, zeroed, for what has no size known ahead (a
// long path, a version resource); the plug-in has no C++ runtime to allocate
// with. Empty when the heap has nothing to give.
template <class T>
class HeapArray {
public:
    HeapArray() = default;
    explicit HeapArray(std::size_t count)
        : data_(static_cast<T*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, count * sizeof(T)))),
          size_(data_ ? count : 0)
    {
    }
    HeapArray(HeapArray&& other) noexcept : data_(other.data_), size_(other.size_)
    {
        other.data_ = nullptr;
        other.size_ = 0;
    }
    HeapArray& operator=(HeapArray&& other) noexcept
    {
        if (this != &other) {
            release();
            data_ = other.data_;
            size_ = other.size_;
            other.data_ = nullptr;
            other.size_ = 0;
        }
        return *this;
    }
    HeapArray(const HeapArray&) = delete;
    HeapArray& operator=(const HeapArray&) = delete;
    ~HeapArray() { release(); }

    T* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

private:
    void release()
    {
        if (data_)
            HeapFree(GetProcessHeap(), 0, data_);
    }

    T* data_ = nullptr;
    std::size_t size_ = 0;
};

// A kernel object's handle (an event, a thread), closed when the scope ends.
class KernelHandle : NonCopyable {
public:
    explicit KernelHandle(HANDLE handle = nullptr) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~KernelHandle()
    {
        if (handle_)
            CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HANDLE handle_;
};

// A thread this code started and must see end before what the thread runs goes
// away. Like Surface it may live in the plug-in's static state, so it has no
// destructor: whoever starts it joins it.
class JoinableThread : NonCopyable {
public:
    constexpr JoinableThread() = default;

    // Starts routine(argument) with the default stack size. False when a thread
    // is still held or the platform refuses to start one.
    bool start(LPTHREAD_START_ROUTINE routine, void* argument);

    // Waits up to `timeoutMs` for the thread to end, handling meanwhile the
    // messages that other threads send to this thread's windows, since the thread
    // may need an answer from one of them to end. Once it has ended its handle is
    // closed; true then, and when no thread is held.
    bool join(DWORD timeoutMs);

private:
    HANDLE thread_ = nullptr;
};

} // namespace dovrik
