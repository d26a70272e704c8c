#include "bmpfile.h"

#include <cstdint>

namespace knapro {
namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;
constexpr std::int32_t kPixelsPerMetreAt96Dpi = 3780;

void putLittleEndian(std::string& bytes, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

} // namespace

std::string bmpFileBytes(const QImage& picture)
{
    const QImage pixels = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_ARGB32);
    const auto width = static_cast<std::uint32_t>(pixels.width());
    const auto height = static_cast<std::uint32_t>(pixels.height());
    const std::uint32_t rowSize = (width * 3 + 3) & ~3u;
    const std::uint32_t imageSize = rowSize * height;

    std::string bytes;
    bytes.reserve(kHeadersSize + imageSize);
    bytes += "BM";
    putLittleEndian(bytes, kHeadersSize + imageSize, 4);
    putLittleEndian(bytes, 0, 4); // two reserved words
    putLittleEndian(bytes, kHeadersSize, 4);

    putLittleEndian(bytes, 40, 4);
    putLittleEndian(bytes, width, 4);
    putLittleEndian(bytes, height, 4); // positive: rows stored bottom-up
    putLittleEndian(bytes, 1, 2);      // planes
    putLittleEndian(bytes, 24, 2);     // bits per pixel
    putLittleEndian(bytes, 0, 4);      // no compression
    putLittleEndian(bytes, imageSize, 4);
    putLittleEndian(bytes, kPixelsPerMetreAt96Dpi, 4);
    putLittleEndian(bytes, kPixelsPerMetreAt96Dpi, 4);
    putLittleEndian(bytes, 0, 4); // colours used
    putLittleEndian(bytes, 0, 4); // important colours

    for (int y = pixels.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            bytes.push_back(static_cast<char>(qBlue(row[x])));
            bytes.push_back(static_cast<char>(qGreen(row[x])));
            bytes.push_back(static_cast<char>(qRed(row[x])));
        }
        bytes.append(rowSize - width * 3, '\0');
    }
    return bytes;
}

} // namespace knapro
