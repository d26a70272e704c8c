#include "common/core/picturecheck.h"
#include "common/core/pictureload.h"
#include "common/portable/bmp.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

namespace {

using kit::bmp::Image;
using kit::bmp::Rgb;

Image gradient(int width, int height)
{
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.at(x, y) = {static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 60),
                              static_cast<std::uint8_t>(x + y)};
    return image;
}

std::string encoded(const char* format)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 6, y * 8, (x * y) & 0xff));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&buffer, format)) << format;
    return bytes.toStdString();
}

// A 2 x 1 GIF: white then black, behind a comment extension.
std::string gif()
{
    const unsigned char bytes[] = {
        'G', 'I', 'F', '8', '9', 'a', 2, 0, 1, 0, 0x80, 0, 0, // screen with a two-colour table
        0xff, 0xff, 0xff, 0, 0, 0,
        0x21, 0xfe, 3, 'o', 'w', 'n', 0,                        // comment
        0x2c, 0, 0, 0, 0, 2, 0, 1, 0, 0,                        // image descriptor
        2, 2, 0x44, 0x01, 0,                                    // LZW data
        0x3b,
    };
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

TEST(Bmp, WritesAndReadsBackEveryColourAtBothDepths)
{
    const Image small = gradient(5, 3);
    for (const auto depth : {kit::bmp::Depth::Rgb24, kit::bmp::Depth::Palette8}) {
        const std::string bytes = kit::bmp::write(small, depth);
        EXPECT_EQ(bytes[28], depth == kit::bmp::Depth::Rgb24 ? 24 : 8);
        const auto back = kit::bmp::read(bytes);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->width, 5);
        EXPECT_EQ(back->height, 3);
        EXPECT_EQ(back->pixels, small.pixels);
    }
    // Too many colours for a table: written with 24 bits, still exact.
    const Image many = gradient(20, 20);
    const std::string bytes = kit::bmp::write(many, kit::bmp::Depth::Palette8);
    EXPECT_EQ(bytes[28], 24);
    EXPECT_EQ(kit::bmp::read(bytes)->pixels, many.pixels);
}

TEST(Bmp, ReadsTopDownRowsAndRefusesWhatItCannotRead)
{
    std::string topDown = kit::bmp::write(gradient(3, 2));
    // Height -2: the same rows read top row first, so the picture comes out flipped.
    topDown[22] = static_cast<char>(0xfe);
    topDown[23] = topDown[24] = topDown[25] = static_cast<char>(0xff);
    const auto flipped = kit::bmp::read(topDown);
    ASSERT_TRUE(flipped);
    EXPECT_EQ(flipped->at(0, 0), gradient(3, 2).at(0, 1));

    const std::string good = kit::bmp::write(gradient(3, 2));
    std::string compressed = good;
    compressed[30] = 1;
    std::string noWidth = good;
    noWidth[18] = 0;
    for (const std::string& bad : {good.substr(0, good.size() - 1), good.substr(0, 60), compressed, noWidth,
                                   std::string("BM")})
        EXPECT_FALSE(kit::bmp::read(bad));
}

TEST(PictureCheck, EachFormatIsWholeOnlyUpToItsOwnEnd)
{
    const struct { const char* name; std::string bytes; kit::PictureFormat format; } pictures[] = {
        {"bmp", encoded("BMP"), kit::PictureFormat::Bmp},
        {"palette bmp", kit::bmp::write(gradient(5, 3), kit::bmp::Depth::Palette8), kit::PictureFormat::Bmp},
        {"jpeg", encoded("JPEG"), kit::PictureFormat::Jpeg},
        {"png", encoded("PNG"), kit::PictureFormat::Png},
        {"gif", gif(), kit::PictureFormat::Gif},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(kit::pictureFormatOf(p.bytes), p.format);
        EXPECT_TRUE(kit::isWholePicture(p.bytes));
        EXPECT_TRUE(kit::isWholePicture(p.bytes + std::string(7, '\0'))); // padding after the end
        for (const std::size_t kept : {p.bytes.size() - 1, p.bytes.size() / 2, p.bytes.size() / 3, std::size_t(20)})
            EXPECT_FALSE(kit::isWholePicture(p.bytes.substr(0, kept))) << kept << " of " << p.bytes.size();
    }
    EXPECT_TRUE(kit::isWholePicture("P1 1 1 0")); // a format without a check of its own
}

TEST(PictureLoad, DecodesWholePicturesAndRefusesCutOnes)
{
    for (const char* format : {"BMP", "JPEG", "PNG"}) {
        const std::string bytes = encoded(format);
        const kit::PictureLoad whole = kit::decodePicture(bytes);
        EXPECT_EQ(whole.error, kit::PictureLoad::Error::None) << format;
        EXPECT_EQ(whole.image.size(), QSize(40, 30));
        const kit::PictureLoad cut = kit::decodePicture(std::string_view(bytes).substr(0, bytes.size() / 2));
        EXPECT_EQ(cut.error, kit::PictureLoad::Error::NotAPicture) << format;
        EXPECT_TRUE(cut.image.isNull());
    }
    const kit::PictureLoad fromGif = kit::decodePicture(gif());
    ASSERT_EQ(fromGif.error, kit::PictureLoad::Error::None);
    EXPECT_EQ(fromGif.format, "gif");
    EXPECT_EQ(fromGif.image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(fromGif.image.pixel(1, 0), qRgb(0, 0, 0));

    const kit::PictureLoad missing = kit::loadPicture("/nonexistent/main.bmp", 1000);
    EXPECT_EQ(missing.error, kit::PictureLoad::Error::Unreadable);
    EXPECT_EQ(missing.reason, "No such file or directory");
}

} // namespace
