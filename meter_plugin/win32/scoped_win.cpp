#include "scoped_win.h"

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

} // namespace dovrik
