#include "workbench/core/zoom.h"

#include "workbench/core/colouredit.h"
#include "workbench/core/pixels.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <cstdlib>

namespace tessel {

namespace {

// The source pixel at (x, y), black outside the picture.
QRgb pixelOrBlack(const QImage& source, int x, int y)
{
    if (x < 0 || y < 0 || x >= source.width() || y >= source.height())
        return qRgb(0, 0, 0);
    return reinterpret_cast<const QRgb*>(source.constScanLine(y))[x];
}

// A pixel's blue, green, red and alpha, and those of the pixel right of it, as
// eight 16-bit lanes, so that one instruction weighs all eight.
using Lanes = std::uint16_t __attribute__((vector_size(16)));
using TwoPixels = std::uint8_t __attribute__((vector_size(8)));
using OnePixel = std::uint8_t __attribute__((vector_size(4)));

inline Lanes lanesOf(const QRgb* pair)
{
    TwoPixels bytes;
    std::memcpy(&bytes, pair, sizeof bytes);
    return __builtin_convertvector(bytes, Lanes);
}

// The four pixels around a point, `above` and `below` each two side by side,
// weighed by their nearness: the point lies `towardsRight` and `towardsBelow`
// 256ths of a pixel from the top left one. Each weighing is rounded to nearest:
// cutting the fraction would darken the picture a little at every step it is
// fed back. No lane overflows: 255 x 256 + 128 fits in 16 bits.
inline QRgb blend(const QRgb* above, const QRgb* below, std::uint16_t towardsRight, std::uint16_t towardsBelow)
{
    const std::uint16_t left = 256 - towardsRight;
    const Lanes across = {left, left, left, left, towardsRight, towardsRight, towardsRight, towardsRight};
    const auto mixAcross = [&across](Lanes pair) {
        pair *= across;
        return (pair + __builtin_shufflevector(pair, pair, 4, 5, 6, 7, 0, 1, 2, 3) + 128) >> 8;
    };
    const Lanes mixed = (mixAcross(lanesOf(above)) * std::uint16_t(256 - towardsBelow)
                         + mixAcross(lanesOf(below)) * towardsBelow + 128) >> 8;
    const OnePixel bytes = __builtin_convertvector(__builtin_shufflevector(mixed, mixed, 0, 1, 2, 3), OnePixel);
    QRgb pixel;
    std::memcpy(&pixel, &bytes, sizeof pixel);
    return pixel | 0xff000000;
}

} // namespace

void zoomInto(const QImage& source, QImage& target, QPoint centre, double scale, double angle)
{
    if (!std::isfinite(scale) || scale <= 0)
        scale = 1;
    if (!std::isfinite(angle))
        angle = 0;
    // Each step right in the target is this step in the source.
    const double acrossX = std::cos(angle) / scale;
    const double acrossY = -std::sin(angle) / scale;
    const double centreX = centre.x() + 0.5;
    const double centreY = centre.y() + 0.5;
    const int width = source.width(), height = source.height();
    const int targetWidth = target.width();
    const uchar* const sourceBits = source.constBits();
    const qsizetype sourceRow = source.bytesPerLine();
    // The pixel at (left, top) weighed with the three right of and below it,
    // black outside the source.
    const auto blendAt = [&](int left, int top, int towardsRight, int towardsBelow) {
        const auto weights = [&](const QRgb* above, const QRgb* below) {
            return blend(above, below, std::uint16_t(towardsRight), std::uint16_t(towardsBelow));
        };
        if (left >= 0 && top >= 0 && left + 1 < width && top + 1 < height) {
            const auto* above = reinterpret_cast<const QRgb*>(sourceBits + top * sourceRow) + left;
            return weights(above, reinterpret_cast<const QRgb*>(sourceBits + (top + 1) * sourceRow) + left);
        }
        const QRgb above[] = {pixelOrBlack(source, left, top), pixelOrBlack(source, left + 1, top)};
        const QRgb below[] = {pixelOrBlack(source, left, top + 1), pixelOrBlack(source, left + 1, top + 1)};
        return weights(above, below);
    };
    // Positions in 256ths of a pixel: the whole pixels and the weights at once.
    // Scaled by a power of two, they round exactly as the pixels themselves do.
    const double acrossX256 = acrossX * 256, acrossY256 = acrossY * 256;
    const double right = width * 256.0, bottom = height * 256.0;
    for (int y = 0; y < target.height(); ++y) {
        const double fromCentreY = y + 0.5 - centreY;
        // Measured from the top left pixel's centre, where the blend weighs that pixel alone.
        const double besideX = (centreX - acrossY * fromCentreY - 0.5) * 256;
        const double besideY = (centreY + acrossX * fromCentreY - 0.5) * 256;
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        // Whole numbers, so counting up keeps it exact: the centre maps onto itself.
        double fromCentreX = -double(centre.x());
        for (int x = 0; x < targetWidth; ++x, fromCentreX += 1) {
            const double sourceX = besideX + acrossX256 * fromCentreX, sourceY = besideY + acrossY256 * fromCentreX;
            // Outside, all four pixels around the position are black. Written so
            // that a position that is no number counts as outside as well.
            if (!(sourceX > -256 && sourceX < right && sourceY > -256 && sourceY < bottom)) {
                row[x] = qRgb(0, 0, 0);
                continue;
            }
            // Above -256, so cutting towards zero after the shift rounds down.
            const int x256 = int(sourceX + 256) - 256, y256 = int(sourceY + 256) - 256;
            row[x] = blendAt(x256 >> 8, y256 >> 8, x256 & 0xff, y256 & 0xff);
        }
    }
}

double zoomScale(std::int16_t zoomFactor)
{
    const double growth = 1 + std::abs(int(zoomFactor)) / 32.0;
    return zoomFactor >= 0 ? growth : 1 / growth;
}

QRgb ZoomStep::nextColour(const ColourTable& table)
{
    const QRgb from = entryColour(table[size_t(colourIndex)]);
    const QRgb to = entryColour(table[size_t(colourIndex + 1)]);
    const auto mix = [this](int a, int b) { return a + (b - a) * stepCount / kFadeSteps; };
    const QRgb colour = qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)), mix(qBlue(from), qBlue(to)));
    if (++stepCount > kFadeSteps) {
        stepCount = 0;
        colourIndex = colourIndex >= 15 ? 3 : colourIndex + 1;
    }
    return colour;
}

void ZoomStep::run(const ColourTable& table, QImage& surface, QImage& shown)
{
    setPixel(surface, kFadingPixel, nextColour(table));
    zoomInto(surface, shown, kFadingPixel, zoomScale(zoomFactor), kTurnPerStep);
    copyPixels(shown, shown.rect(), surface, {0, 0});
    ++frame;
}

} // namespace tessel
