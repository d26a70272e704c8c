// Draws the plug-in's two icons and writes them as the ICO files that its
// resources embed:
//
//   draw_icons <directory>   writes needle.ico and meter.ico
//
// needle.ico (icon 105, the needle dialog): a dark dial with a light scale arc and
// an orange needle. meter.ico (icon 1005, the about box): a cream panel with two
// small needle meters side by side, like the faces. Each file holds a 16 x 16 and
// a 32 x 32 picture in 32-bit colour with alpha; edges are smoothed by drawing
// every pixel from 4 x 4 samples.
#include "common/core/fileio.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

constexpr double kPi = 3.14159265358979;
constexpr int kSamples = 4;

// A picture described on the unit square, (0, 0) top left, (1, 1) bottom right:
// the colour of one sample point, transparent where nothing is.
using Drawing = std::function<Rgba(double x, double y)>;

Rgba over(Rgba top, Rgba below)
{
    const double a = top.a + below.a * (1 - top.a);
    if (a <= 0)
        return {};
    auto channel = [&](double t, double b) { return (t * top.a + b * below.a * (1 - top.a)) / a; };
    return {channel(top.r, below.r), channel(top.g, below.g), channel(top.b, below.b), a};
}

double distanceToSegment(double x, double y, double x0, double y0, double x1, double y1)
{
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy));
}

bool insideRoundedSquare(double x, double y, double inset, double radius)
{
    const double cx = std::clamp(x, inset + radius, 1 - inset - radius);
    const double cy = std::clamp(y, inset + radius, 1 - inset - radius);
    return x >= inset && x <= 1 - inset && y >= inset && y <= 1 - inset && std::hypot(x - cx, y - cy) <= radius;
}

// A needle meter's scale around a pivot at (px, py): an arc from 160 to 20
// degrees, ticks on it, and a needle at `needleDegrees`.
Rgba dial(double x, double y, double px, double py, double radius, double needleDegrees, Rgba scale, Rgba needle,
          double thickness)
{
    Rgba colour{};
    const double distance = std::hypot(x - px, y - py);
    const double angle = std::atan2(py - y, x - px) * 180 / kPi;
    if (angle >= 20 && angle <= 160) {
        if (std::abs(distance - radius) <= thickness / 2)
            colour = scale;
        const double tickDegrees = thickness / radius * 180 / kPi;
        const bool onTick = std::fmod(angle - 20 + tickDegrees / 2, 35.0) < tickDegrees;
        if (onTick && distance >= radius - 2.2 * thickness && distance <= radius)
            colour = scale;
        if (angle <= 45 && std::abs(distance - radius) <= thickness * 0.9)
            colour = {0.88, 0.22, 0.16, 1};
    }
    const double needleAngle = needleDegrees * kPi / 180;
    const double tipX = px + std::cos(needleAngle) * radius * 1.02;
    const double tipY = py - std::sin(needleAngle) * radius * 1.02;
    if (distanceToSegment(x, y, px, py, tipX, tipY) <= thickness * 0.55)
        colour = needle;
    if (distance <= thickness * 1.4)
        colour = {0.55, 0.57, 0.6, 1};
    return colour;
}

Rgba needleIcon(double x, double y)
{
    if (!insideRoundedSquare(x, y, 0.03, 0.18))
        return {};
    const double shade = 0.09 + 0.08 * (1 - y);
    const Rgba panel{shade, shade + 0.01, shade + 0.04, 1};
    return over(dial(x, y, 0.5, 0.76, 0.42, 58, {0.93, 0.92, 0.86, 1}, {1.0, 0.55, 0.1, 1}, 0.07), panel);
}

Rgba meterIcon(double x, double y)
{
    if (!insideRoundedSquare(x, y, 0.02, 0.1) || y < 0.44 || y > 0.92)
        return {};
    // Cream shading to brown at the edges, as face 102 does.
    const double edge = std::min({x - 0.02, 0.98 - x, y - 0.44, 0.92 - y});
    const double t = std::clamp(edge / 0.08, 0.0, 1.0);
    const Rgba brown{0.45, 0.28, 0.16, 1};
    const Rgba cream{0.97, 0.92, 0.78, 1};
    Rgba panel{brown.r + (cream.r - brown.r) * t, brown.g + (cream.g - brown.g) * t,
               brown.b + (cream.b - brown.b) * t, 1};
    if (std::abs(x - 0.5) < 0.018)
        panel = {0.3, 0.2, 0.12, 1};
    const Rgba ink{0.2, 0.14, 0.1, 1};
    const Rgba left = dial(x, y, 0.26, 0.84, 0.22, 125, ink, ink, 0.045);
    const Rgba right = dial(x, y, 0.74, 0.84, 0.22, 65, ink, ink, 0.045);
    return over(right, over(left, panel));
}

struct Picture {
    int size = 0;
    std::vector<std::uint8_t> bgra; // top row first
};

Picture render(const Drawing& drawing, int size)
{
    Picture picture{size, std::vector<std::uint8_t>(static_cast<std::size_t>(size) * size * 4)};
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Rgba c = drawing((px + (sx + 0.5) / kSamples) / size, (py + (sy + 0.5) / kSamples) / size);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            auto byte = [](double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
            std::uint8_t* out = &picture.bgra[(static_cast<std::size_t>(py) * size + px) * 4];
            const double alpha = a / (kSamples * kSamples);
            out[0] = a > 0 ? byte(b / a) : 0;
            out[1] = a > 0 ? byte(g / a) : 0;
            out[2] = a > 0 ? byte(r / a) : 0;
            out[3] = byte(alpha);
        }
    }
    return picture;
}

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// One icon file: a directory of the pictures, then each as a bottom-up 32-bit
// DIB of twice its height (colour, then the 1-bit mask of transparent pixels).
std::vector<std::uint8_t> iconFile(const std::vector<Picture>& pictures)
{
    std::vector<std::vector<std::uint8_t>> images;
    for (const Picture& picture : pictures) {
        const int size = picture.size;
        const int maskRowBytes = (size + 31) / 32 * 4;
        std::vector<std::uint8_t> image;
        put(image, 40, 4);
        put(image, static_cast<std::uint32_t>(size), 4);
        put(image, static_cast<std::uint32_t>(size * 2), 4);
        put(image, 1, 2);
        put(image, 32, 2);
        put(image, 0, 4);
        put(image, static_cast<std::uint32_t>(size * size * 4 + maskRowBytes * size), 4);
        put(image, 0, 16);
        for (int y = size - 1; y >= 0; --y)
            image.insert(image.end(), picture.bgra.begin() + static_cast<std::ptrdiff_t>(y) * size * 4,
                         picture.bgra.begin() + static_cast<std::ptrdiff_t>(y + 1) * size * 4);
        for (int y = size - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRowBytes));
            for (int x = 0; x < size; ++x)
                if (picture.bgra[(static_cast<std::size_t>(y) * size + x) * 4 + 3] == 0)
                    row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            image.insert(image.end(), row.begin(), row.end());
        }
        images.push_back(std::move(image));
    }

    std::vector<std::uint8_t> file;
    put(file, 0, 2);
    put(file, 1, 2); // an icon
    put(file, static_cast<std::uint32_t>(images.size()), 2);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        put(file, static_cast<std::uint32_t>(pictures[i].size), 1);
        put(file, static_cast<std::uint32_t>(pictures[i].size), 1);
        put(file, 0, 2); // no palette, reserved
        put(file, 1, 2);
        put(file, 32, 2);
        put(file, static_cast<std::uint32_t>(images[i].size()), 4);
        put(file, offset, 4);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images)
        file.insert(file.end(), image.begin(), image.end());
    return file;
}

bool write(const std::string& path, const Drawing& drawing)
{
    const std::vector<std::uint8_t> bytes = iconFile({render(drawing, 16), render(drawing, 32)});
    const std::string reason =
        kit::replaceFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!reason.empty())
        std::fprintf(stderr, "draw_icons: could not write %s: %s\n", path.c_str(), reason.c_str());
    return reason.empty();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_icons <directory>\n");
        return 2;
    }
    const std::string directory = argv[1];
    for (const auto& [name, drawing] : {std::pair<const char*, Drawing>{"needle.ico", needleIcon},
                                        std::pair<const char*, Drawing>{"meter.ico", meterIcon}}) {
        if (!write(directory + "/" + name, drawing))
            return 1;
    }
    return 0;
}
