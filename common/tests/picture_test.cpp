#include "common/core/picturecheck.h"
#include "common/core/pictureload.h"
#include "common/portable/bmp.h"
#include "common/testing/encodedpicture.h"
#include "common/testing/heapgarbage.h"

#include <QImage>

#include <fstream>
#include <iostream>
#include <set>

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
    const std::string bytes = kit::testing::encodedPicture(picture, format);
    EXPECT_FALSE(bytes.empty()) << format;
    return bytes;
}

// A 2 x 1 GIF: white then black, behind a comment extension.
std::string gif()
{
    const unsigned char bytes[] = {
        'G', 'I', 'F', '8', '9', 'a', 2, 0, 1, 0, 0x80, 0, 0, // screen with a two-colour table
        0xff, 0xff, 0xff, 0, 0, 0,
        0x21, 0xfe, 3, 'o', 'w', 'n', 0,                        // comment
        0x2c, 0, 0, 0, 0, 2, 0, 1, 0, 0,                        // image descriptor
        2, 2, 0x44, 0x0a, 0,                                    // LZW data: clear, 0, 1, end
        0x3b,
    };
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

void putLittleEndian(std::string& bytes, std::size_t at, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
}

// A BMP with the given header size and fields, a colour table of `tableEntries`
// (entry i is red 10 + i, green 20, blue 30) and `data` as its pixels.
std::string craftedBmp(int headerSize, int width, int height, int bits, int compression, int coloursUsed,
                       int tableEntries, const std::string& data)
{
    std::string bytes(static_cast<std::size_t>(14 + headerSize + 4 * tableEntries), '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putLittleEndian(bytes, 2, static_cast<std::uint32_t>(bytes.size() + data.size()), 4);
    putLittleEndian(bytes, 10, static_cast<std::uint32_t>(bytes.size()), 4);
    putLittleEndian(bytes, 14, static_cast<std::uint32_t>(headerSize), 4);
    putLittleEndian(bytes, 18, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(bytes, 22, static_cast<std::uint32_t>(height), 4);
    putLittleEndian(bytes, 26, 1, 2);
    putLittleEndian(bytes, 28, static_cast<std::uint32_t>(bits), 2);
    putLittleEndian(bytes, 30, static_cast<std::uint32_t>(compression), 4);
    putLittleEndian(bytes, 34, static_cast<std::uint32_t>(data.size()), 4);
    putLittleEndian(bytes, 46, static_cast<std::uint32_t>(coloursUsed), 4);
    for (int i = 0; i < tableEntries; ++i) {
        const std::size_t at = static_cast<std::size_t>(14 + headerSize + 4 * i);
        bytes[at] = 30;
        bytes[at + 1] = 20;
        bytes[at + 2] = static_cast<char>(10 + i);
    }
    return bytes + data;
}

// A 4 x 3 GIF with a frame of 2 x 2 at (1, 1) in colours 1, 2, 3, 1 of its local
// table (red, green, blue, white), with a global table whose entry 2 is the
// background, or without one; `trailer` false leaves off the last byte.
std::string framedGif(bool globalTable, bool trailer = true)
{
    std::string bytes("GIF89a\x04\x00\x03\x00", 10);
    bytes += globalTable ? '\x81' : '\x00';
    bytes += '\x02';
    bytes += '\x00';
    if (globalTable)
        bytes += std::string("\x01\x01\x01\x02\x02\x02\x70\x80\x90\x03\x03\x03", 12);
    bytes += std::string("\x2c\x01\x00\x01\x00\x02\x00\x02\x00\x81", 10);
    bytes += std::string("\xff\x00\x00\x00\xff\x00\x00\x00\xff\xff\xff\xff", 12);
    // Three-bit codes, a clear code before every two pixels: 4 1 2 4 3 1 5.
    bytes += std::string("\x02\x03\x8c\xb8\x14\x00", 6);
    if (trailer)
        bytes += '\x3b';
    return bytes;
}

QImage decodedUnderGarbage(const std::string& bytes, unsigned char byte)
{
    const kit::testing::HeapGarbage garbage(byte);
    const kit::PictureLoad load = kit::decodePicture(bytes, kit::kLargestSkinBitmap);
    EXPECT_EQ(load.error, kit::PictureLoad::Error::None);
    return load.image.convertToFormat(QImage::Format_ARGB32);
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
        // A GIF is whole without its one-byte trailer, after a whole image.
        EXPECT_EQ(kit::isWholePicture(p.bytes.substr(0, p.bytes.size() - 1)), p.format == kit::PictureFormat::Gif);
        for (const std::size_t kept : {p.bytes.size() - 2, p.bytes.size() / 2, p.bytes.size() / 3, std::size_t(20)})
            EXPECT_FALSE(kit::isWholePicture(p.bytes.substr(0, kept))) << kept << " of " << p.bytes.size();
    }
    EXPECT_TRUE(kit::isWholePicture("P1 1 1 0")); // a format without a check of its own
}

TEST(PictureLoad, DecodesWholePicturesAndRefusesCutOnes)
{
    for (const char* format : {"BMP", "JPEG", "PNG"}) {
        const std::string bytes = encoded(format);
        const kit::PictureLoad whole = kit::decodePicture(bytes, kit::kLargestSkinBitmap);
        EXPECT_EQ(whole.error, kit::PictureLoad::Error::None) << format;
        EXPECT_EQ(whole.image.size(), QSize(40, 30));
        const kit::PictureLoad cut = kit::decodePicture(std::string_view(bytes).substr(0, bytes.size() / 2), kit::kLargestSkinBitmap);
        EXPECT_EQ(cut.error, kit::PictureLoad::Error::NotAPicture) << format;
        EXPECT_TRUE(cut.image.isNull());
    }
    const kit::PictureLoad fromGif = kit::decodePicture(gif(), kit::kLargestSkinBitmap);
    ASSERT_EQ(fromGif.error, kit::PictureLoad::Error::None);
    EXPECT_EQ(fromGif.format, "gif");
    EXPECT_EQ(fromGif.image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(fromGif.image.pixel(1, 0), qRgb(0, 0, 0));

    const kit::PictureLoad missing = kit::loadPicture("/nonexistent/main.bmp", 1000, kit::kLargestSkinBitmap);
    EXPECT_EQ(missing.error, kit::PictureLoad::Error::Unreadable);
    EXPECT_EQ(missing.reason, "No such file or directory");
}

// The image-format plugins that this process has loaded, by file name.
std::set<std::string> loadedDecoders()
{
    std::ifstream maps("/proc/self/maps");
    std::set<std::string> names;
    for (std::string line; std::getline(maps, line);)
        if (const size_t at = line.find("/imageformats/"); at != std::string::npos)
            names.insert(line.substr(at + 14));
    return names;
}

// Decodes a picture of each format that the kit knows by its first bytes, and
// ends the process with 0 when each loaded its own decoder and no other.
[[noreturn]] void decodeEachFormatAndExit()
{
    const struct { const char* what; std::string bytes; std::set<std::string> loaded; } cases[] = {
        {"BMP", kit::bmp::write(gradient(4, 3), kit::bmp::Depth::Rgb24), {}},
        {"GIF", gif(), {"libqgif.so"}},
    };
    for (const auto& c : cases) {
        const bool decoded = kit::decodePicture(c.bytes, kit::kLargestSkinBitmap).error == kit::PictureLoad::Error::None;
        const std::set<std::string> loaded = loadedDecoders();
        if (!decoded || loaded != c.loaded) {
            std::cerr << c.what << (decoded ? " loaded" : " failed and loaded");
            for (const std::string& name : loaded)
                std::cerr << ' ' << name;
            std::exit(1);
        }
    }
    std::exit(0);
}

// Asking every image-format plugin whether it knows the bytes loads them all,
// and the libraries that they link.
TEST(PictureLoad, LoadsOnlyTheDecoderOfThePicturesFormat)
{
    // In a process of its own, where no other test's pictures loaded decoders.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(decodeEachFormatAndExit(), testing::ExitedWithCode(0), "");
}

// Legal or nearly legal files that decoders leave partly undefined: each decodes
// to the same, fully defined pixels whatever the memory held before.
TEST(PictureLoad, EveryPixelIsDefinedWhateverTheMemoryHeld)
{
    const QRgb index0 = qRgb(10, 20, 30);
    const QRgb index1 = qRgb(11, 20, 30);
    const QRgb index2 = qRgb(12, 20, 30);
    const std::string jpeg = encoded("JPEG");
    const struct { const char* name; std::string bytes; QPoint at; QRgb expected; } files[] = {
        {"rle8 with only its end", craftedBmp(40, 4, 3, 8, 1, 4, 4, std::string("\0\1", 2)), {3, 0}, index0},
        {"rle8 of line ends", craftedBmp(40, 4, 3, 8, 1, 4, 4, std::string("\0\0\0\0\0\1", 6)), {0, 1}, index0},
        {"rle8 that jumps", craftedBmp(40, 4, 3, 8, 1, 4, 4, std::string("\2\1\0\2\1\1\2\2\0\1", 10)), {1, 1}, index0},
        {"rle8 that jumps, after the jump", craftedBmp(40, 4, 3, 8, 1, 4, 4, std::string("\2\1\0\2\1\1\2\2\0\1", 10)),
         {3, 1}, index2},
        {"rle4 with only its end", craftedBmp(40, 4, 3, 4, 2, 4, 4, std::string("\0\1", 2)), {0, 2}, index0},
        {"1-bit with 3 colours counted", craftedBmp(40, 3, 2, 1, 0, 3, 2, std::string("\x80\0\0\0\x40\0\0\0", 8)),
         {0, 1}, index1},
        {"a GIF frame on the global background", framedGif(true), {0, 0}, qRgb(0x70, 0x80, 0x90)},
        {"a GIF frame without a global table", framedGif(false), {3, 2}, qRgb(0, 0, 0)},
        {"inside the GIF frame", framedGif(false), {2, 1}, qRgb(0, 0, 255)},
        {"a GIF without its trailer", framedGif(true, false), {2, 2}, qRgb(0, 255, 0)},
        {"a JPEG without its end marker", jpeg.substr(0, jpeg.size() - 2), {0, 0},
         kit::decodePicture(jpeg, kit::kLargestSkinBitmap).image.pixel(0, 0)},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const QImage first = decodedUnderGarbage(f.bytes, 0x55);
        const QImage second = decodedUnderGarbage(f.bytes, 0xaa);
        EXPECT_EQ(first, second);
        EXPECT_EQ(first.pixel(f.at), f.expected);
    }
}

TEST(PictureLoad, RefusesVariantsThatDecodersMisreadAndPicturesWhoseDataEndsInside)
{
    const std::string jpeg = encoded("JPEG");
    const std::string rows(16, '\x11');
    // The framed GIF's codes give four pixels; a frame of 18 x 2 needs 36.
    std::string shortGif = framedGif(true);
    shortGif[30] = 18;
    // Its third code made 7, a string the table does not hold (6 comes next).
    std::string beyondTable = framedGif(true);
    beyondTable[beyondTable.size() - 5] = '\xcc';
    beyondTable[beyondTable.size() - 4] = '\xb9';
    const struct { const char* name; std::string bytes; } refused[] = {
        {"colour masks behind the 64-byte header", craftedBmp(64, 2, 2, 32, 3, 0, 0, rows)},
        {"colour masks for 8 bits", craftedBmp(40, 2, 2, 8, 3, 0, 0, rows + std::string(12, '\0'))},
        {"run-length data stored top-down", craftedBmp(40, 4, -3, 8, 1, 4, 4, std::string("\0\1", 2))},
        {"a JPEG cut inside its scan", jpeg.substr(0, jpeg.size() * 2 / 3)},
        {"a GIF whose data ends before its frame is full", shortGif},
        {"the same without its trailer", shortGif.substr(0, shortGif.size() - 1)},
        {"a GIF with a code beyond its table", beyondTable},
    };
    for (const auto& r : refused)
        EXPECT_EQ(kit::decodePicture(r.bytes, kit::kLargestSkinBitmap).error, kit::PictureLoad::Error::NotAPicture) << r.name;
}

} // namespace

// A few bytes may claim millions of pixels; such a picture is refused from its
// header, naming the size it claims, before memory is taken for its pixels.
TEST(PictureLoad, APictureBeyondItsBoundIsRefusedFromItsHeaderWithTheSizeItClaims)
{
    std::string hugeScreen = framedGif(true);
    putLittleEndian(hugeScreen, 6, 5700, 2);
    putLittleEndian(hugeScreen, 8, 5700, 2);
    std::string farFrame = framedGif(true);
    putLittleEndian(farFrame, 26, 3000, 2);
    const struct { const char* name; std::string bytes; QSize bound; kit::PictureLoad::Error error; QSize size; } cases[] = {
        {"at the bound", encoded("BMP"), {40, 30}, kit::PictureLoad::Error::None, {40, 30}},
        {"a pixel too wide", encoded("PNG"), {39, 30}, kit::PictureLoad::Error::TooLarge, {40, 30}},
        {"a pixel too tall", encoded("JPEG"), {40, 29}, kit::PictureLoad::Error::TooLarge, {40, 30}},
        {"run-length data of only its end", craftedBmp(40, 30000, 30000, 8, 1, 4, 4, std::string("\0\1", 2)),
         kit::kLargestSkinBitmap, kit::PictureLoad::Error::TooLarge, {30000, 30000}},
        {"a GIF screen", hugeScreen, kit::kLargestSkinBitmap, kit::PictureLoad::Error::TooLarge, {5700, 5700}},
        {"a GIF frame far out on a small screen", farFrame, kit::kLargestSkinBitmap, kit::PictureLoad::Error::TooLarge,
         {3002, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const kit::PictureLoad load = kit::decodePicture(c.bytes, c.bound);
        EXPECT_EQ(load.error, c.error);
        EXPECT_EQ(load.size, c.size);
        EXPECT_EQ(load.image.isNull(), c.error != kit::PictureLoad::Error::None);
    }
}
