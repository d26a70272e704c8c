#include "workbench/core/vispreview.h"

#include "workbench/core/colouredit.h"
#include "workbench/core/pixels.h"

#include <algorithm>

namespace tessel {
namespace {

QRgb colourOf(const ColourTable& table, int index) { return entryColour(table[static_cast<size_t>(index)]); }

void paintGrid(QImage& picture, QRgb dot)
{
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2)
            setPixel(picture, {x, y}, dot);
}

void paintLinesStrip(const ColourTable& table, QImage& spectrum)
{
    const int bottom = spectrum.height() - 1;
    int x = kLinesOffset + 2;
    for (int entry = 2; entry <= 14; ++entry) {
        const int width = (entry == 5 || entry == 8 || entry == 11 || entry == 14) ? 2 : 1;
        const int top = spectrum.height() - 13 + (entry - 2);
        fillPixels(spectrum, QRect(QPoint(x, top), QPoint(x + width - 1, bottom)), colourOf(table, entry));
        x += width;
    }
}

void paintFireStrip(const ColourTable& table, QImage& spectrum)
{
    const int height = spectrum.height();
    for (int x = kFireOffset + 1; x <= kFireOffset + 17; ++x) {
        // Groups of four columns, each a row lower to the right; the last column stands alone.
        const int top = height - 5 + (x - (kFireOffset + 1)) / 4;
        for (int entry = 3; entry <= 15; ++entry)
            setPixel(spectrum, {x, top + entry - 3}, colourOf(table, entry));
    }
}

void paintNormalStrip(const ColourTable& table, QImage& spectrum)
{
    int length = 3;
    for (int entry = 3; entry <= 15; ++entry) {
        const int y = spectrum.height() - 13 + (entry - 3);
        fillPixels(spectrum, QRect(kNormalOffset, y, length, 1), colourOf(table, entry));
        length += (entry == 5 || entry == 8 || entry == 11) ? 2 : 1;
    }
}

void paintScope(const ColourTable& table, QImage& scope)
{
    // One wave: the segment colours, how far the pen moves right before each,
    // and the row each ends on. The wave rises from the middle row to near the
    // top, falls to near the bottom and comes back to the middle, where the
    // next wave starts after the gap.
    static constexpr int entries[] = {18, 19, 20, 21, 21, 20, 19};
    static constexpr int advances[] = {2, 3, 4, 4, 5, 4, 3};
    static constexpr int rows[] = {4, 2, 6, 11, 15, 13, 9};
    static constexpr int gapAfterWave = 3;
    QPoint pen(0, 9);
    for (int wave = 0; wave < 6; ++wave) {
        for (size_t segment = 0; segment < std::size(entries); ++segment) {
            const QPoint next(pen.x() + advances[segment], rows[segment]);
            drawLine(scope, pen, next, colourOf(table, entries[segment]));
            pen = next;
        }
        pen.rx() += gapAfterWave;
    }
}

void paintShade(const ColourTable& table, QImage& shade)
{
    static constexpr int entries[] = {17, 17, 17, 13, 13, 13, 2, 2};
    for (int square = 0; square < 8; ++square)
        fillPixels(shade, QRect(4 * square, 3, 3, 3), colourOf(table, entries[square]));
}

} // namespace

void PaintPreview(const ColourTable& table, QImage& spectrum, QImage& scope, QImage& shade)
{
    const QRgb background = colourOf(table, 0);
    spectrum.fill(background);
    scope.fill(background);
    shade.fill(background);
    paintGrid(spectrum, colourOf(table, 1));
    paintGrid(scope, colourOf(table, 1));
    paintLinesStrip(table, spectrum);
    paintFireStrip(table, spectrum);
    paintNormalStrip(table, spectrum);
    paintScope(table, scope);
    paintShade(table, shade);
}

int styleOffsetFor(QStringView styleText, int current)
{
    if (styleText == u"Normal")
        return kNormalOffset;
    if (styleText == u"Fire")
        return kFireOffset;
    if (styleText == u"Lines")
        return kLinesOffset;
    return current;
}

void animationStep(const QImage& spectrum, QImage& area, int styleOffset, std::span<const int> bars)
{
    for (int x = 0; x < area.width(); x += kBackgroundBlock.width())
        copyPixels(spectrum, kBackgroundBlock, area, {x, 0});
    const size_t columns = std::min(bars.size(), static_cast<size_t>(area.width()));
    for (size_t x = 0; x < columns; ++x) {
        const int bar = std::clamp(bars[x], 0, static_cast<int>(barShape.size()) - 1);
        const BarShape shape = barShape[static_cast<size_t>(bar)];
        copyPixels(spectrum, QRect(styleOffset + bar, shape.top, 1, shape.height), area,
                   {static_cast<int>(x), shape.top});
    }
}

} // namespace tessel
