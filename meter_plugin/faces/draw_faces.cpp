// Draws the meter's three faces and writes them as the BMP files that the
// plug-in's resources embed:
//
//   draw_faces <directory>   writes face100.bmp, face101.bmp and face102.bmp
//
// Face 100 is 82 x 22 pixels in 24-bit colour (its last column is never shown);
// faces 101 and 102 are 81 x 22 with an 8-bit palette. The needles pivot one
// pixel below the bottom edge at x = 20 and x = 60, the centres of the two halves,
// so every face keeps its pivot marks there.
#include "common/core/fileio.h"
#include "common/portable/bmp.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

constexpr int kHeight = 22;
constexpr int kLeftPivotX = 20;
constexpr int kRightPivotX = 60;
constexpr int kPivotY = 22;
constexpr int kDividerX = 40;

class Canvas {
public:
    Canvas(int width, Rgb fill) : width_(width), pixels_(static_cast<std::size_t>(width) * kHeight, fill) {}

    int width() const { return width_; }
    Rgb at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    void set(int x, int y, Rgb colour)
    {
        if (x >= 0 && x < width_ && y >= 0 && y < kHeight)
            pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
    }
    void fillRect(int x, int y, int w, int h, Rgb colour)
    {
        for (int row = y; row < y + h; ++row)
            for (int col = x; col < x + w; ++col)
                set(col, row, colour);
    }
    // A glyph of 3 x 5 pixels, one string per row, '#' for ink.
    void glyph(int x, int y, const char* const rows[5], Rgb ink)
    {
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (rows[row][col] == '#')
                    set(x + col, y + row, ink);
    }

private:
    int width_;
    std::vector<Rgb> pixels_;
};

const char* const kLetterL[5] = {"#..", "#..", "#..", "#..", "###"};
const char* const kLetterR[5] = {"##.", "#.#", "##.", "#.#", "#.#"};

double distanceToPivot(int x, int y, int pivotX)
{
    return std::hypot(x + 0.5 - pivotX, y + 0.5 - kPivotY);
}

// Angle of a pixel seen from the pivot, in degrees counter-clockwise from the
// right, y up: the scale runs from 160 degrees (left end) to 20 (right end).
double angleFromPivot(int x, int y, int pivotX)
{
    return std::atan2(kPivotY - (y + 0.5), x + 0.5 - pivotX) * 180.0 / 3.14159265358979;
}

Rgb mix(Rgb from, Rgb to, double t)
{
    auto channel = [t](int a, int b) { return static_cast<std::uint8_t>(std::lround(a + (b - a) * t)); };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

// "McInTosh 7072": pale grey-green, a darker fan per half with tick marks, light
// orange pivot caps, an orange edge along the bottom and the right side.
Canvas drawFace100()
{
    const Rgb panel{204, 214, 198};
    const Rgb fan{168, 182, 160};
    const Rgb tick{112, 126, 108};
    const Rgb cap{250, 196, 128};
    const Rgb edge{236, 134, 36};
    const Rgb hiddenShadow{150, 78, 22};

    Canvas face(82, panel);
    face.fillRect(0, kHeight - 1, 81, 1, edge);
    for (int pivotX : {kLeftPivotX, kRightPivotX}) {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = pivotX - 20; x <= pivotX + 20; ++x) {
                const double distance = distanceToPivot(x, y, pivotX);
                const double angle = angleFromPivot(x, y, pivotX);
                if (distance >= 7 && distance <= 19.5 && angle >= 22 && angle <= 158)
                    face.set(x, y, fan);
                const bool onTick = std::fmod(angle - 30 + 100, 20.0) < 3.2;
                if (distance >= 15.5 && distance <= 19.5 && angle >= 28 && angle <= 153 && onTick)
                    face.set(x, y, tick);
                if (distance <= 4)
                    face.set(x, y, cap);
            }
        }
    }
    face.fillRect(80, 0, 1, kHeight, edge);
    face.fillRect(81, 0, 1, kHeight, hiddenShadow);
    return face;
}

// "Quorvel's Lumatic ammeter": a dark panel with a grid of dots, a bar from
// yellow to red in each half, green L and R in the lower left corners, grey
// pivot humps and a grey divider.
Canvas drawFace101()
{
    const Rgb panel{22, 26, 34};
    const Rgb dot{58, 66, 82};
    const Rgb yellow{250, 222, 40};
    const Rgb red{226, 44, 32};
    const Rgb letter{84, 204, 96};
    const Rgb hump{150, 154, 160};
    const Rgb divider{104, 108, 116};

    Canvas face(81, panel);
    for (int y = 1; y < kHeight; y += 4)
        for (int x = 2; x < 81; x += 4)
            face.set(x, y, dot);
    for (int barStart : {5, 45}) {
        constexpr int barLength = 31;
        for (int i = 0; i < barLength; ++i) {
            const Rgb colour = mix(yellow, red, std::floor(i * 8.0 / barLength) / 7.0);
            face.fillRect(barStart + i, 2, 1, 2, colour);
        }
    }
    face.glyph(2, 14, kLetterL, letter);
    face.glyph(43, 14, kLetterR, letter);
    for (int pivotX : {kLeftPivotX, kRightPivotX})
        for (int y = kHeight - 4; y < kHeight; ++y)
            for (int x = pivotX - 4; x <= pivotX + 4; ++x)
                if (distanceToPivot(x, y, pivotX) <= 3.6)
                    face.set(x, y, hump);
    face.fillRect(kDividerX, 0, 1, kHeight, divider);
    return face;
}

// "OnKyo M-510": cream shading to brown at the edges, dark L and R at the top
// centre of each half, below them a bar yellow for three quarters and red for the
// rest, a thin arc over each pivot and a dark divider.
Canvas drawFace102()
{
    const Rgb cream{242, 232, 204};
    const Rgb shades[] = {{150, 98, 56}, {186, 140, 92}, {214, 186, 140}, {232, 214, 178}};
    const Rgb ink{56, 40, 32};
    const Rgb yellow{236, 196, 48};
    const Rgb red{206, 48, 36};
    const Rgb arc{110, 72, 48};
    const Rgb divider{72, 52, 40};

    Canvas face(81, cream);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < 81; ++x) {
            const int fromEdge = std::min({x, 80 - x, y, kHeight - 1 - y});
            if (fromEdge < 4)
                face.set(x, y, shades[fromEdge]);
        }
    }
    face.glyph(kLeftPivotX - 1, 2, kLetterL, ink);
    face.glyph(kRightPivotX - 1, 2, kLetterR, ink);
    for (int barStart : {6, 46}) {
        constexpr int barLength = 29;
        constexpr int yellowLength = barLength * 3 / 4;
        face.fillRect(barStart, 8, yellowLength, 2, yellow);
        face.fillRect(barStart + yellowLength, 8, barLength - yellowLength, 2, red);
    }
    for (int pivotX : {kLeftPivotX, kRightPivotX})
        for (int y = kHeight - 7; y < kHeight; ++y)
            for (int x = pivotX - 7; x <= pivotX + 7; ++x)
                if (std::abs(distanceToPivot(x, y, pivotX) - 5.5) < 0.5)
                    face.set(x, y, arc);
    face.fillRect(kDividerX, 0, 1, kHeight, divider);
    return face;
}

kit::bmp::Image imageOf(const Canvas& face)
{
    kit::bmp::Image image(face.width(), kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < face.width(); ++x)
            image.at(x, y) = {face.at(x, y).r, face.at(x, y).g, face.at(x, y).b};
    return image;
}

// 8-bit faces carry a palette of exactly the colours they use.
bool writeFace(const std::string& path, const Canvas& face, kit::bmp::Depth depth)
{
    const std::string reason =
        kit::replaceFile(path, kit::bmp::write(imageOf(face), depth, kit::bmp::kPixelsPerMetreAt72Dpi));
    if (!reason.empty()) {
        std::fprintf(stderr, "draw_faces: could not write %s: %s\n", path.c_str(), reason.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_faces <directory>\n");
        return 2;
    }
    const std::string directory = argv[1];
    using kit::bmp::Depth;
    const bool written = writeFace(directory + "/face100.bmp", drawFace100(), Depth::Rgb24)
        && writeFace(directory + "/face101.bmp", drawFace101(), Depth::Palette8)
        && writeFace(directory + "/face102.bmp", drawFace102(), Depth::Palette8);
    return written ? 0 : 1;
}
