#include "common/core/pixelcopy.h"

#include <cstring>

namespace kit {

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

} // namespace kit
