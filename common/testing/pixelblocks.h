#pragma once

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace kit::testing {

// Whether `shown` (a widget grabbed on a screen of `scale` device pixels to a
// window pixel) shows `picture` from its top left with every picture pixel
// `pixelSize` window pixels wide, each as a solid block of device pixels.
inline ::testing::AssertionResult showsPixelForPixel(const QPixmap& shown, const QImage& picture, int scale,
                                                      int pixelSize = 1)
{
    const QImage device = shown.toImage().convertToFormat(QImage::Format_RGB32);
    const int block = scale * pixelSize;
    if (device.width() < picture.width() * block || device.height() < picture.height() * block)
        return ::testing::AssertionFailure() << "shown at " << device.width() << " x " << device.height();
    for (int y = 0; y < picture.height() * block; ++y) {
        for (int x = 0; x < picture.width() * block; ++x) {
            if (device.pixel(x, y) != (picture.pixel(x / block, y / block) | 0xff000000)) {
                return ::testing::AssertionFailure()
                    << "device pixel " << x << "," << y << " is not picture pixel " << x / block << "," << y / block;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace kit::testing
