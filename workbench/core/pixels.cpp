#include "workbench/core/pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tessel {

void fillPixels(QImage& target, const QRect& area, QRgb colour)
{
    const QRect clipped = area.intersected(target.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        std::fill(row + clipped.left(), row + clipped.right() + 1, colour);
    }
}

void setPixel(QImage& target, QPoint at, QRgb colour)
{
    if (target.rect().contains(at))
        reinterpret_cast<QRgb*>(target.scanLine(at.y()))[at.x()] = colour;
}

namespace {

// Cuts the line from `from` to `to` to the pixels of `area` (Liang and Barsky),
// in doubles so that ends anywhere in the int range cost nothing and cannot
// overflow. False when no part of the line lies inside.
bool clipLine(const QRect& area, QPoint& from, QPoint& to)
{
    const double x0 = from.x(), y0 = from.y();
    const double dx = double(to.x()) - x0, dy = double(to.y()) - y0;
    double enter = 0, leave = 1;
    const auto edge = [&](double towards, double room) {
        if (towards == 0)
            return room >= 0;
        const double at = room / towards;
        if (towards < 0)
            enter = std::max(enter, at);
        else
            leave = std::min(leave, at);
        return enter <= leave;
    };
    // Pixel centres lie on whole numbers: the area reaches half a pixel beyond them.
    if (!edge(-dx, x0 - (area.left() - 0.5)) || !edge(dx, (area.right() + 0.5) - x0)
        || !edge(-dy, y0 - (area.top() - 0.5)) || !edge(dy, (area.bottom() + 0.5) - y0))
        return false;
    const auto pixel = [&](double t) {
        return QPoint(std::clamp(int(std::lround(x0 + t * dx)), area.left(), area.right()),
                      std::clamp(int(std::lround(y0 + t * dy)), area.top(), area.bottom()));
    };
    const QPoint start = pixel(enter);
    to = pixel(leave);
    from = start;
    return true;
}

} // namespace

void drawLine(QImage& target, QPoint from, QPoint to, QRgb colour)
{
    const QRect area = target.rect();
    if (area.isEmpty() || ((!area.contains(from) || !area.contains(to)) && !clipLine(area, from, to)))
        return;
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    // Both ends lie inside the picture, so every pixel between them does: each
    // is written straight into the picture's memory.
    const qsizetype rowStep = (from.y() < to.y() ? 1 : -1) * target.bytesPerLine() / qsizetype(sizeof(QRgb));
    const int stepX = from.x() < to.x() ? 1 : -1;
    QRgb* pixel = reinterpret_cast<QRgb*>(target.scanLine(from.y())) + from.x();
    QRgb* const last = reinterpret_cast<QRgb*>(target.scanLine(to.y())) + to.x();
    int error = dx + dy;
    for (;;) {
        *pixel = colour;
        if (pixel == last)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            pixel += stepX;
        }
        if (twice <= dx) {
            error += dx;
            pixel += rowStep;
        }
    }
}

QImage doubleSized(const QImage& source)
{
    QImage rows = blankPicture({source.width(), 2 * source.height()});
    for (int y = 0; y < source.height(); ++y)
        for (const int row : {2 * y, 2 * y - 1})
            copyPixels(source, {0, y, source.width(), 1}, rows, {0, row});
    QImage doubled = blankPicture({2 * source.width(), rows.height()});
    for (int x = 0; x < rows.width(); ++x)
        for (const int column : {2 * x, 2 * x - 1})
            copyPixels(rows, {x, 0, 1, rows.height()}, doubled, {column, 0});
    return doubled;
}

} // namespace tessel
