#include "button_builder/core/bmpfile.h"

#include <gtest/gtest.h>

TEST(BmpFile, WritesA24BitBottomUpFileWithPaddedRows)
{
    // 3 x 2 pixels: 9 bytes a row, padded to 12.
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgb(0x01, 0x02, 0x03));
    picture.setPixel(1, 0, qRgb(0x10, 0x20, 0x30));
    picture.setPixel(2, 0, qRgb(0xff, 0x00, 0x80));
    picture.setPixel(0, 1, qRgb(0xaa, 0xbb, 0xcc));
    picture.setPixel(1, 1, qRgba(0x11, 0x22, 0x33, 0x00)); // alpha is dropped, colour kept
    picture.setPixel(2, 1, qRgb(0x00, 0x00, 0x00));

    const unsigned char expected[] = {
        'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,             // file header
        40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,           // size, width, height, planes, bits
        0, 0, 0, 0, 24, 0, 0, 0, 0xc4, 0x0e, 0, 0, 0xc4, 0x0e, 0, 0, // no compression, 24 bytes, 96 dpi
        0, 0, 0, 0, 0, 0, 0, 0,                                      // no colour table
        0xcc, 0xbb, 0xaa, 0x33, 0x22, 0x11, 0x00, 0x00, 0x00, 0, 0, 0, // bottom row first
        0x03, 0x02, 0x01, 0x30, 0x20, 0x10, 0x80, 0x00, 0xff, 0, 0, 0,
    };
    EXPECT_EQ(knapro::bmpFileBytes(picture), std::string(reinterpret_cast<const char*>(expected), sizeof expected));
}
