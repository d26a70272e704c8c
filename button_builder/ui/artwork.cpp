#include "button_builder/ui/artwork.h"

#include "common/ui/screenpixmap.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace knapro {
namespace {

// The five transport symbols on a 10 x 10 grid: previous, play, pause, stop, next.
void drawTransportSymbol(QPainter& painter, int which, const QRectF& box)
{
    const auto at = [&box](double x, double y) {
        return QPointF(box.left() + box.width() * x / 10, box.top() + box.height() * y / 10);
    };
    const auto bar = [&](double x, double w) { painter.drawRect(QRectF(at(x, 2.5), at(x + w, 7.5))); };
    const auto triangle = [&](double x, double w, bool right) {
        const double tip = right ? x + w : x;
        const double base = right ? x : x + w;
        painter.drawPolygon(QPolygonF({at(base, 2.5), at(base, 7.5), at(tip, 5)}));
    };
    switch (which) {
    case 0: bar(2, 1); triangle(3.5, 4.5, false); break;
    case 1: triangle(3, 4.5, true); break;
    case 2: bar(3, 1.4); bar(5.6, 1.4); break;
    case 3: painter.drawRect(QRectF(at(3, 3), at(7, 7))); break;
    default: triangle(2.5, 4.5, true); bar(7, 1); break;
    }
}

} // namespace

QPixmap logoPicture(int size)
{
    QPixmap pixmap = kit::screenPixmap(QSize(size, size));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 100.0;
    painter.scale(s, s);

    // The sheet.
    QLinearGradient sheet(0, 0, 0, 100);
    sheet.setColorAt(0, QColor(0x3a, 0x5f, 0xa8));
    sheet.setColorAt(1, QColor(0x17, 0x26, 0x4a));
    painter.setPen(QPen(QColor(0x0d, 0x16, 0x2c), 2));
    painter.setBrush(sheet);
    painter.drawRoundedRect(QRectF(4, 4, 92, 92), 12, 12);

    // Two rows of buttons, the lower one cut loose and shifted.
    for (int row = 0; row < 2; ++row) {
        const double y = row == 0 ? 20 : 58;
        const double shift = row == 0 ? 0 : 4;
        for (int i = 0; i < 5; ++i) {
            const QRectF button(12 + shift + i * 15.5, y, 14, 14);
            QLinearGradient face(button.topLeft(), button.bottomLeft());
            face.setColorAt(0, QColor(0xe8, 0xee, 0xf8));
            face.setColorAt(1, QColor(0x9a, 0xa8, 0xc4));
            painter.setPen(QPen(QColor(0x20, 0x2a, 0x40), 1));
            painter.setBrush(face);
            painter.drawRoundedRect(button, 2, 2);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x20, 0x2a, 0x40));
            drawTransportSymbol(painter, i, button);
        }
    }

    // The cutting line and the blade that follows it.
    painter.setPen(QPen(QColor(0xff, 0xd2, 0x4a), 2, Qt::DashLine));
    painter.drawLine(QPointF(8, 46), QPointF(92, 46));
    QPainterPath blade;
    blade.moveTo(70, 40);
    blade.lineTo(90, 46);
    blade.lineTo(70, 52);
    blade.closeSubpath();
    painter.setPen(QPen(QColor(0x5a, 0x42, 0x00), 1));
    painter.setBrush(QColor(0xff, 0xd2, 0x4a));
    painter.drawPath(blade);
    return pixmap;
}

} // namespace knapro
