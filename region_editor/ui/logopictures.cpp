#include "region_editor/ui/logopictures.h"

#include "common/ui/screenpixmap.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace plevo {
namespace {

const QColor kTileTop(0x3a, 0x5a, 0x8c);
const QColor kTileBottom(0x16, 0x24, 0x3e);
const QColor kRegion(0x48, 0xe8, 0x78);
const QColor kMarker(0xe8, 0x3a, 0x30);

// The polygon of the emblem, on a 64 x 64 design.
QPolygonF emblemPolygon()
{
    return QPolygonF({QPointF(12, 18), QPointF(34, 10), QPointF(54, 20), QPointF(50, 46), QPointF(26, 54),
                      QPointF(10, 40)});
}

// Faint skin pixels in the background: a grid of squares in two shades.
void drawPixelGrid(QPainter& p, const QRect& area, int cell, const QColor& a, const QColor& b)
{
    for (int y = area.top(); y < area.bottom(); y += cell)
        for (int x = area.left(); x < area.right(); x += cell)
            p.fillRect(QRect(x, y, cell - 1, cell - 1), ((x / cell + y / cell) % 2) ? a : b);
}

} // namespace

QPixmap programIcon(QSize size)
{
    QPixmap pixmap = kit::screenPixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size.width() / 64.0, size.height() / 64.0);

    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, kTileTop);
    tile.setColorAt(1, kTileBottom);
    p.setPen(QPen(QColor(0x0c, 0x12, 0x20), 1.5));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(1.5, 1.5, 61, 61), 10, 10);

    const QPolygonF polygon = emblemPolygon();
    QColor fill = kRegion;
    fill.setAlpha(90);
    p.setBrush(fill);
    p.setPen(QPen(kRegion, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(polygon);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(kMarker);
    for (const QPointF& corner : polygon)
        p.drawEllipse(corner, 3.5, 3.5);

    // The pointer that clicks the next corner.
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(40, 32), QPointF(48, 32));
    p.drawLine(QPointF(44, 28), QPointF(44, 36));
    return pixmap;
}

QPixmap splashPicture()
{
    const QRect area(0, 0, 226, 116);
    QPixmap pixmap = kit::screenPixmap(area.size());
    QPainter p(&pixmap);
    QLinearGradient sky(0, 0, 226, 116);
    sky.setColorAt(0, QColor(0x1c, 0x2c, 0x48));
    sky.setColorAt(1, QColor(0x06, 0x0a, 0x14));
    p.fillRect(area, sky);
    drawPixelGrid(p, QRect(0, 0, 226, 116), 6, QColor(0x22, 0x34, 0x54), QColor(0x1a, 0x28, 0x44));

    p.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient glow(QPointF(60, 64), 70);
    glow.setColorAt(0, QColor(0x48, 0xe8, 0x78, 90));
    glow.setColorAt(1, QColor(0x48, 0xe8, 0x78, 0));
    p.fillRect(area, glow);

    QPolygonF outline({QPointF(96, 12), QPointF(214, 20), QPointF(220, 96), QPointF(130, 108), QPointF(104, 70)});
    p.setPen(QPen(QColor(0x48, 0xe8, 0x78, 160), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(outline);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0x3a, 0x30, 200));
    for (const QPointF& corner : outline)
        p.drawEllipse(corner, 3, 3);
    return pixmap;
}

QPixmap creditsPicture()
{
    const QRect area(0, 0, 250, 244);
    QPixmap pixmap = kit::screenPixmap(area.size());
    QPainter p(&pixmap);
    QLinearGradient shade(0, 0, 0, 244);
    shade.setColorAt(0, QColor(0x2a, 0x34, 0x44));
    shade.setColorAt(1, QColor(0x10, 0x14, 0x1c));
    p.fillRect(area, shade);
    drawPixelGrid(p, QRect(0, 0, 250, 244), 8, QColor(0x30, 0x3a, 0x4c), QColor(0x26, 0x30, 0x40));
    p.setPen(QColor(0x70, 0x7c, 0x8c));
    p.drawRect(0, 0, 249, 243);
    p.setPen(QColor(0x0a, 0x0c, 0x10));
    p.drawRect(1, 1, 247, 241);
    p.drawPixmap(QRect(196, 176, 44, 44), programIcon(QSize(44, 44)));
    return pixmap;
}

} // namespace plevo
