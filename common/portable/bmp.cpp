#include "common/portable/bmp.h"

#include <algorithm>
#include <cstdlib>

namespace kit::bmp {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

void put(std::string& out, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

std::uint32_t get(std::string_view bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::vector<Rgb> paletteOf(const Image& image)
{
    std::vector<Rgb> palette;
    for (const Rgb& colour : image.pixels) {
        if (std::find(palette.begin(), palette.end(), colour) == palette.end()) {
            if (palette.size() == 256)
                return {};
            palette.push_back(colour);
        }
    }
    return palette;
}

} // namespace

std::string write(const Image& image, Depth depth, std::int32_t pixelsPerMetre)
{
    const std::vector<Rgb> palette = depth == Depth::Palette8 ? paletteOf(image) : std::vector<Rgb>();
    const bool palettised = !palette.empty();
    const auto width = static_cast<std::uint32_t>(image.width);
    const auto height = static_cast<std::uint32_t>(image.height);
    const std::uint32_t bitsPerPixel = palettised ? 8 : 24;
    const std::uint32_t rowSize = (width * bitsPerPixel / 8 + 3) & ~3u;
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + static_cast<std::uint32_t>(palette.size()) * 4;
    const std::uint32_t imageSize = rowSize * height;

    std::string out;
    out.reserve(pixelOffset + imageSize);
    out += "BM";
    put(out, pixelOffset + imageSize, 4);
    put(out, 0, 4); // two reserved words
    put(out, pixelOffset, 4);
    put(out, kInfoHeaderSize, 4);
    put(out, width, 4);
    put(out, height, 4); // positive: rows stored bottom-up
    put(out, 1, 2);      // planes
    put(out, bitsPerPixel, 2);
    put(out, 0, 4); // no compression
    put(out, imageSize, 4);
    put(out, static_cast<std::uint32_t>(pixelsPerMetre), 4);
    put(out, static_cast<std::uint32_t>(pixelsPerMetre), 4);
    put(out, static_cast<std::uint32_t>(palette.size()), 4); // colours used
    put(out, 0, 4);                                         // all of them important
    for (const Rgb& colour : palette) {
        out.push_back(static_cast<char>(colour.b));
        out.push_back(static_cast<char>(colour.g));
        out.push_back(static_cast<char>(colour.r));
        out.push_back('\0');
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const Rgb colour = image.at(x, y);
            if (palettised) {
                const auto index = std::find(palette.begin(), palette.end(), colour) - palette.begin();
                out.push_back(static_cast<char>(index));
            } else {
                out.push_back(static_cast<char>(colour.b));
                out.push_back(static_cast<char>(colour.g));
                out.push_back(static_cast<char>(colour.r));
            }
        }
        out.append(rowStart + rowSize - out.size(), '\0');
    }
    return out;
}

std::optional<Image> read(std::string_view bytes)
{
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes.substr(0, 2) != "BM")
        return std::nullopt;
    const std::uint32_t headerSize = get(bytes, 14, 4);
    const auto width = static_cast<std::int32_t>(get(bytes, 18, 4));
    const auto storedHeight = static_cast<std::int32_t>(get(bytes, 22, 4));
    const std::uint32_t bits = get(bytes, 28, 2);
    const std::uint32_t compression = get(bytes, 30, 4);
    const std::uint64_t pixelOffset = get(bytes, 10, 4);
    if (headerSize < kInfoHeaderSize || pixelOffset < kFileHeaderSize + static_cast<std::uint64_t>(headerSize)
        || compression != 0 || width <= 0 || storedHeight == 0
        || storedHeight == INT32_MIN || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        return std::nullopt;

    const int height = std::abs(storedHeight);
    const std::uint64_t rowSize = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    if (pixelOffset > bytes.size() || rowSize > (bytes.size() - pixelOffset) / static_cast<std::uint64_t>(height))
        return std::nullopt;

    std::vector<Rgb> palette;
    if (bits <= 8) {
        std::uint32_t colours = get(bytes, 46, 4);
        if (colours == 0 || colours > (1u << bits))
            colours = 1u << bits;
        const std::uint64_t tableStart = kFileHeaderSize + static_cast<std::uint64_t>(headerSize);
        if (tableStart + 4ull * colours > pixelOffset)
            return std::nullopt;
        for (std::uint32_t i = 0; i < colours; ++i) {
            const std::size_t at = tableStart + 4 * i;
            palette.push_back({static_cast<std::uint8_t>(bytes[at + 2]), static_cast<std::uint8_t>(bytes[at + 1]),
                               static_cast<std::uint8_t>(bytes[at])});
        }
    }

    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const int storedRow = storedHeight > 0 ? height - 1 - y : y;
        const std::size_t row = pixelOffset + rowSize * static_cast<std::uint64_t>(storedRow);
        for (int x = 0; x < width; ++x) {
            if (bits <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                const auto byte = static_cast<unsigned char>(bytes[row + bit / 8]);
                const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                if (index >= palette.size())
                    return std::nullopt;
                image.at(x, y) = palette[index];
            } else {
                const std::size_t at = row + static_cast<std::size_t>(x) * (bits / 8);
                image.at(x, y) = {static_cast<std::uint8_t>(bytes[at + 2]), static_cast<std::uint8_t>(bytes[at + 1]),
                                  static_cast<std::uint8_t>(bytes[at])};
            }
        }
    }
    return image;
}

} // namespace kit::bmp
