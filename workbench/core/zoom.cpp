#include "zoom.h"

#include "colouredit.h"
#include "pixels.h"

#include <cmath>
#include <cstdlib>

namespace tessel {

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
    const double width = source.width();
    const double height = source.height();
    for (int y = 0; y < target.height(); ++y) {
        const double fromCentreY = y + 0.5 - centreY;
        const double fromCentreX = 0.5 - centreX;
        double sourceX = centreX + acrossX * fromCentreX - acrossY * fromCentreY;
        double sourceY = centreY + acrossY * fromCentreX + acrossX * fromCentreY;
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < target.width(); ++x, sourceX += acrossX, sourceY += acrossY) {
            // Written so that a coordinate that is no number fails as well.
            const bool inside = sourceX >= 0 && sourceX < width && sourceY >= 0 && sourceY < height;
            row[x] = inside ? reinterpret_cast<const QRgb*>(source.constScanLine(int(sourceY)))[int(sourceX)]
                            : qRgb(0, 0, 0);
        }
    }
}

double zoomScale(std::int16_t zoomFactor)
{
    const double growth = 1 + std::abs(int(zoomFactor)) / 16.0;
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
