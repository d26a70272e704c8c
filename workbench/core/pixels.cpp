#include "pixels.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace tessel {

QImage blankPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

void copyPixels(const QImage& source, const QRect& from, QImage& target, QPoint to)
{
    const QPoint shift = to - from.topLeft();
    const QRect targetArea = from.intersected(source.rect()).translated(shift).intersected(target.rect());
    if (targetArea.isEmpty())
        return;
    const QRect sourceArea = targetArea.translated(-shift);
    const size_t rowBytes = static_cast<size_t>(targetArea.width()) * sizeof(QRgb);
    for (int row = 0; row < targetArea.height(); ++row) {
        const auto* sourceRow = reinterpret_cast<const QRgb*>(source.constScanLine(sourceArea.top() + row));
        auto* targetRow = reinterpret_cast<QRgb*>(target.scanLine(targetArea.top() + row));
        std::memcpy(targetRow + targetArea.left(), sourceRow + sourceArea.left(), rowBytes);
    }
}

void fillPixels(QImage& target, const QRect& area, QRgb colour)
{
    const QRect clipped = area.intersected(target.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        std::fill(row + clipped.left(), row + clipped.right() + 1, colour);
    }
}

void setPixel(QImage& target, QPoint at, QRgb colour)
{
    if (target.rect().contains(at))
        reinterpret_cast<QRgb*>(target.scanLine(at.y()))[at.x()] = colour;
}

void drawLine(QImage& target, QPoint from, QPoint to, QRgb colour)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint at = from;
    for (;;) {
        setPixel(target, at, colour);
        if (at == to)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.rx() += stepX;
        }
        if (twice <= dx) {
            error += dx;
            at.ry() += stepY;
        }
    }
}

} // namespace tessel
