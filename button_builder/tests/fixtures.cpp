#include "button_builder/tests/fixtures.h"

#include "button_builder/core/picture.h"

#include <QFile>
#include <QPainter>

#include <array>


namespace knapro::testing {

QRgb elementColour(int areaNumber)
{
    return qRgb(0x20 + areaNumber * 7, 0xf0 - areaNumber * 5, 0x80 + (areaNumber % 4) * 30);
}

QImage elementPicture(int tab)
{
    QImage picture(kPictureWidth, kPictureHeight, QImage::Format_ARGB32);
    picture.fill(kBackground);
    QPainter painter(&picture);
    int number = 0;
    for (const ClickableArea& area : clickableAreas(tab)) {
        painter.fillRect(toQRect(area.cut), QColor(elementColour(number++)));
    }
    return picture;
}

namespace {
const std::array<QRgb, 4> kStripeColours {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
int stripe(int x, int y) { return (x + y) % 4; }
} // namespace

QImage stripedPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, kStripeColours[static_cast<size_t>(stripe(x, y))]);
    return picture;
}

bool writeStripedGif(const QString& path, int width, int height)
{
    QByteArray bytes("GIF89a");
    const auto word = [&bytes](int value) {
        bytes.append(static_cast<char>(value & 0xff));
        bytes.append(static_cast<char>(value >> 8));
    };
    word(width);
    word(height);
    bytes.append(static_cast<char>(0xf1)); // global table of 4 colours
    bytes.append(2, '\0');
    for (QRgb colour : kStripeColours)
        for (int component : {qRed(colour), qGreen(colour), qBlue(colour)})
            bytes.append(static_cast<char>(component));
    bytes.append(',');
    word(0);
    word(0);
    word(width);
    word(height);
    bytes.append('\0');

    // LZW with 3-bit codes throughout: a clear code before every second pixel keeps
    // the code table from growing, so no compression is needed to stay valid.
    constexpr int kClear = 4, kEnd = 5;
    QByteArray packed;
    unsigned bitBuffer = 0;
    int bitCount = 0;
    const auto code = [&](int value) {
        bitBuffer |= static_cast<unsigned>(value) << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            packed.append(static_cast<char>(bitBuffer & 0xff));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };
    int written = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (written++ % 2 == 0)
                code(kClear);
            code(stripe(x, y));
        }
    code(kEnd);
    if (bitCount > 0)
        packed.append(static_cast<char>(bitBuffer & 0xff));

    bytes.append('\2'); // minimum code size
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        bytes.append(static_cast<char>(block.size()));
        bytes.append(block);
    }
    bytes.append('\0');
    bytes.append(';');

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace knapro::testing
