#include "region_editor/ui/regionmarks.h"

#include <QPainter>
#include <QPalette>

namespace plevo {

MarkStyle initialMarkStyle(const QPalette& palette)
{
    return {palette.color(QPalette::HighlightedText), QColor(Qt::red), false};
}

void paintOutline(QPainter& painter, OutlineShape shape, const QRectF& bounds, const QColor& colour, int width,
                  bool insideSolid)
{
    // A centred outline straddles the bounds, and whatever holds them clips its outer half.
    const qreal inset = insideSolid ? width / 2.0 : 0.5;
    const QRectF drawn = bounds.adjusted(inset, inset, -inset, -inset);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, shape == OutlineShape::Circle);
    painter.setPen(QPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    if (shape == OutlineShape::Circle)
        painter.drawEllipse(drawn);
    else
        painter.drawRect(drawn);
    painter.restore();
}

void paintMarker(QPainter& painter, const QRectF& bounds, const QColor& colour, bool filled)
{
    paintOutline(painter, OutlineShape::Circle, bounds, colour, filled ? 5 : 2, filled);
}

void paintRegionMarks(QPainter& painter, const std::vector<QPoint>& readouts, int magnification,
                      const MarkStyle& style)
{
    if (readouts.empty())
        return;
    std::vector<QPointF> centres;
    centres.reserve(readouts.size());
    for (const QPoint& readout : readouts)
        centres.emplace_back((readout.x() - 0.5) * magnification, (readout.y() - 0.5) * magnification);

    painter.save();
    // Edges stay one pixel wide and unsmoothed, so that they cover whole screen
    // pixels at any density.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(style.line, 1));
    painter.drawPolyline(centres.data(), static_cast<int>(centres.size()));
    if (centres.size() >= 3) {
        painter.setPen(QPen(style.line, 1, Qt::DashLine));
        painter.drawLine(centres.back(), centres.front());
    }
    painter.restore();

    const QPointF half(kMarkerSize / 2.0, kMarkerSize / 2.0);
    for (const QPointF& centre : centres)
        paintMarker(painter, QRectF(centre - half, centre + half), style.link, style.filled);
}

} // namespace plevo
