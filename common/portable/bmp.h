#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Windows bitmap files, with nothing but the standard library, so that the
// programs, the meter's face generator, its host stand-in and the tests all
// read and write them the same way.
namespace kit::bmp {

struct Rgb
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Pixels row by row, the top row first.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Image() = default;
    Image(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h)) {}
    Rgb at(int x, int y) const { return pixels[index(x, y)]; }
    Rgb& at(int x, int y) { return pixels[index(x, y)]; }

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    }
};

enum class Depth { Rgb24, Palette8 };

inline constexpr std::int32_t kPixelsPerMetreAt96Dpi = 3780;
inline constexpr std::int32_t kPixelsPerMetreAt72Dpi = 2835;

// The bytes of a bitmap file holding `image`: a 14-byte file header, a 40-byte
// information header, for Palette8 a colour table of exactly the colours used in
// the order they first appear (at most 256), then the rows bottom-up, each padded
// with zero bytes to a multiple of four. No compression. Every colour is written
// exactly. An image with more than 256 colours is written as Rgb24.
std::string write(const Image& image, Depth depth = Depth::Rgb24,
                  std::int32_t pixelsPerMetre = kPixelsPerMetreAt96Dpi);

// The image in an uncompressed bitmap file of 1, 4, 8, 24 or 32 bits a pixel,
// stored bottom-up or top-down, behind an information header of 40 bytes or
// more. Nothing for anything else, or for a file whose header promises more
// than the bytes hold.
std::optional<Image> read(std::string_view bytes);

} // namespace kit::bmp
