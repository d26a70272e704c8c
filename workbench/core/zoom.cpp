#include "workbench/core/zoom.h"

#include "workbench/core/colouredit.h"
#include "workbench/core/pixels.h"

#include <cmath>
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

// The four pixels around (x, y) weighed by their nearness, in 256ths.
QRgb blend(const QImage& source, int x, int y, int towardsRight, int towardsBelow)
{
    QRgb corners[4];
    if (x >= 0 && y >= 0 && x + 1 < source.width() && y + 1 < source.height()) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y)) + x;
        const auto* below = reinterpret_cast<const QRgb*>(source.constScanLine(y + 1)) + x;
        corners[0] = row[0], corners[1] = row[1], corners[2] = below[0], corners[3] = below[1];
    } else {
        corners[0] = pixelOrBlack(source, x, y), corners[1] = pixelOrBlack(source, x + 1, y);
        corners[2] = pixelOrBlack(source, x, y + 1), corners[3] = pixelOrBlack(source, x + 1, y + 1);
    }
    const int weights[] = {(256 - towardsRight) * (256 - towardsBelow), towardsRight * (256 - towardsBelow),
                           (256 - towardsRight) * towardsBelow, towardsRight * towardsBelow};
    // Rounded to nearest: cutting the fraction would darken the picture a little at every step it is fed back.
    int red = 1 << 15, green = 1 << 15, blue = 1 << 15;
    for (int i = 0; i < 4; ++i) {
        red += qRed(corners[i]) * weights[i];
        green += qGreen(corners[i]) * weights[i];
        blue += qBlue(corners[i]) * weights[i];
    }
    return qRgb(red >> 16, green >> 16, blue >> 16);
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
    const double width = source.width(), height = source.height();
    for (int y = 0; y < target.height(); ++y) {
        const double fromCentreY = y + 0.5 - centreY;
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < target.width(); ++x) {
            const double fromCentreX = x + 0.5 - centreX;
            // Measured from the top left pixel's centre, where the blend weighs that pixel alone.
            const double sourceX = centreX + acrossX * fromCentreX - acrossY * fromCentreY - 0.5;
            const double sourceY = centreY + acrossY * fromCentreX + acrossX * fromCentreY - 0.5;
            // Outside, all four pixels around the position are black. Written so
            // that a position that is no number counts as outside as well.
            if (!(sourceX > -1 && sourceX < width && sourceY > -1 && sourceY < height)) {
                row[x] = qRgb(0, 0, 0);
                continue;
            }
            const double left = std::floor(sourceX), top = std::floor(sourceY);
            row[x] = blend(source, int(left), int(top), int((sourceX - left) * 256), int((sourceY - top) * 256));
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
