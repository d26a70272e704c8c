#include "button_builder/core/bmpfile.h"

#include "common/portable/bmp.h"

namespace knapro {

std::string bmpFileBytes(const QImage& picture)
{
    const QImage pixels = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_ARGB32);
    kit::bmp::Image image(pixels.width(), pixels.height());
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            image.at(x, y) = {static_cast<std::uint8_t>(qRed(row[x])), static_cast<std::uint8_t>(qGreen(row[x])),
                              static_cast<std::uint8_t>(qBlue(row[x]))};
    }
    return kit::bmp::write(image);
}

} // namespace knapro
