#include "region_editor/ui/icons.h"

#include "common/ui/screenpixmap.h"

#include <QConicalGradient>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace plevo {
namespace {

constexpr int kIconSize = 20;

const QColor kOutline(0x20, 0x24, 0x2c);
const QColor kDiskBlue(0x2f, 0x5f, 0xa8);
const QColor kMetal(0xc8, 0xcc, 0xd2);
const QColor kGlass(0xb8, 0xdc, 0xf4);
const QColor kHandle(0x8a, 0x55, 0x25);
const QColor kGo(0x2e, 0xa0, 0x3c);
const QColor kStop(0xcc, 0x30, 0x2a);
const QColor kPaper(0xfb, 0xfb, 0xf4);
const QColor kBadge(0x2a, 0x62, 0xc4);

QPixmap blankIcon(int size = kIconSize)
{
    return kit::screenPixmap(QSize(size, size));
}

void drawFloppy(QPainter& p, const QRect& r)
{
    // Scaled from a 16 x 16 design so smaller copies keep their proportions.
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 16.0, r.height() / 16.0);
    QPainterPath body;
    body.moveTo(0.5, 0.5);
    body.lineTo(13, 0.5);
    body.lineTo(15.5, 3);
    body.lineTo(15.5, 15.5);
    body.lineTo(0.5, 15.5);
    body.closeSubpath();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kDiskBlue);
    p.drawPath(body);
    p.setBrush(kMetal);
    p.drawRect(QRectF(4, 0.5, 8, 5));
    p.fillRect(QRectF(9, 1.5, 2, 3), kOutline);
    p.setBrush(kPaper);
    p.drawRect(QRectF(3, 8.5, 10, 7));
    p.setPen(QPen(QColor(0x9a, 0xa4, 0xb8), 1));
    p.drawLine(QPointF(4.5, 11), QPointF(11.5, 11));
    p.drawLine(QPointF(4.5, 13.5), QPointF(11.5, 13.5));
    p.restore();
}

void drawArrow(QPainter& p, const QPoint& tip, int length, bool pointsUp, const QColor& colour)
{
    const int dir = pointsUp ? 1 : -1;
    const int headDepth = 4;
    QPolygon arrow;
    arrow << tip << tip + QPoint(4, dir * headDepth) << tip + QPoint(1, dir * headDepth)
          << tip + QPoint(1, dir * length) << tip + QPoint(-1, dir * length) << tip + QPoint(-1, dir * headDepth)
          << tip + QPoint(-4, dir * headDepth);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(colour);
    p.drawPolygon(arrow);
}

void drawBars(QPainter& p)
{
    for (int y : {13, 16})
        p.fillRect(QRect(3, y, 14, 2), QColor(0x55, 0x60, 0x70));
    p.fillRect(QRect(3, 19, 14, 1), QColor(0x55, 0x60, 0x70));
}

void drawMagnifier(QPainter& p, const QPointF& centre, qreal radius)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kHandle, 3, Qt::SolidLine, Qt::RoundCap));
    const qreal reach = radius * 0.7;
    p.drawLine(centre + QPointF(reach, reach), centre + QPointF(reach + 5, reach + 5));
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kGlass);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Qt::white, 1));
    p.drawArc(QRectF(centre.x() - radius + 2, centre.y() - radius + 2, radius * 2 - 4, radius * 2 - 4), 100 * 16, 70 * 16);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void drawBadgeLetter(QPainter& p, const QString& letter, const QColor& colour)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, letter);
}

void drawSmallText(QPainter& p, const QRect& r, const QString& text, const QColor& colour)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(8);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

void drawPage(QPainter& p)
{
    QPolygon page;
    page << QPoint(4, 1) << QPoint(12, 1) << QPoint(16, 5) << QPoint(16, 18) << QPoint(4, 18);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    p.drawPolygon(page);
    p.setBrush(QColor(0xd8, 0xd8, 0xd0));
    p.drawPolygon(QPolygon({QPoint(12, 1), QPoint(12, 5), QPoint(16, 5)}));
}

void paintIcon(QPainter& p, Icon icon)
{
    switch (icon) {
    case Icon::Floppy:
        drawFloppy(p, QRect(2, 2, 16, 16));
        break;
    case Icon::FloppyArrowDown:
        drawFloppy(p, QRect(0, 6, 13, 13));
        drawArrow(p, QPoint(15, 12), 11, false, kGo);
        break;
    case Icon::FloppyArrowUp:
        drawFloppy(p, QRect(0, 6, 13, 13));
        drawArrow(p, QPoint(15, 1), 11, true, kStop);
        break;
    case Icon::BlankPage:
        drawPage(p);
        break;
    case Icon::Magnifier:
        drawMagnifier(p, QPointF(8, 8), 6);
        break;
    case Icon::MagnifierDouble:
        drawMagnifier(p, QPointF(9, 7), 5.5);
        drawSmallText(p, QRect(0, 11, 11, 9), QStringLiteral("x2"), kOutline);
        break;
    case Icon::MagnifierHalf:
        drawMagnifier(p, QPointF(9, 7), 5.5);
        drawSmallText(p, QRect(0, 11, 11, 9), QStringLiteral("½"), kOutline);
        break;
    case Icon::ArrowUpOverBars:
        drawArrow(p, QPoint(10, 1), 10, true, kGo);
        drawBars(p);
        break;
    case Icon::ArrowDownOverBars:
        drawArrow(p, QPoint(10, 11), 10, false, kGo);
        drawBars(p);
        break;
    case Icon::Cross:
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(kOutline, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(4, 4, 16, 16);
        p.drawLine(16, 4, 4, 16);
        p.setPen(QPen(kStop, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(4, 4, 16, 16);
        p.drawLine(16, 4, 4, 16);
        break;
    case Icon::PlayPauseBars:
        p.setPen(QPen(kOutline, 1));
        p.setBrush(kGo);
        p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(9, 10), QPoint(1, 16)}));
        p.setBrush(QColor(0x60, 0x6c, 0x80));
        p.drawRect(11, 4, 3, 12);
        p.drawRect(16, 4, 3, 12);
        break;
    case Icon::ColourSwatches:
        p.setPen(QPen(kOutline, 1));
        p.setBrush(QColor(0xe0, 0x3a, 0x30));
        p.drawRect(1, 1, 10, 10);
        p.setBrush(QColor(0x3a, 0xb0, 0x48));
        p.drawRect(5, 5, 10, 10);
        p.setBrush(QColor(0x35, 0x6c, 0xd8));
        p.drawRect(9, 9, 10, 10);
        break;
    case Icon::ListPage:
        drawPage(p);
        for (int y = 6; y <= 15; y += 3) {
            p.fillRect(QRect(6, y, 2, 2), kDiskBlue);
            p.fillRect(QRect(9, y, 5, 1), QColor(0x50, 0x58, 0x68));
        }
        break;
    case Icon::QuestionMark:
        drawBadgeLetter(p, QStringLiteral("?"), kBadge);
        break;
    case Icon::LetterI:
        drawBadgeLetter(p, QStringLiteral("i"), QColor(0x22, 0x8a, 0x9a));
        break;
    case Icon::CompactDisc: {
        p.setRenderHint(QPainter::Antialiasing, true);
        QConicalGradient sheen(QPointF(10, 10), 30);
        sheen.setColorAt(0.0, QColor(0xe8, 0xe8, 0xf0));
        sheen.setColorAt(0.2, QColor(0xf4, 0xc8, 0xe8));
        sheen.setColorAt(0.4, QColor(0xc8, 0xe8, 0xf8));
        sheen.setColorAt(0.6, QColor(0xf8, 0xf0, 0xb8));
        sheen.setColorAt(0.8, QColor(0xc8, 0xf0, 0xd0));
        sheen.setColorAt(1.0, QColor(0xe8, 0xe8, 0xf0));
        p.setPen(QPen(kOutline, 1));
        p.setBrush(sheen);
        p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(7, 7, 6, 6));
        p.setBrush(QColor(0x60, 0x68, 0x78));
        p.drawEllipse(QRectF(8.5, 8.5, 3, 3));
        break;
    }
    case Icon::Lightning:
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(kOutline, 1));
        p.setBrush(QColor(0xf8, 0xd0, 0x20));
        p.drawPolygon(QPolygonF({QPointF(11, 0.5), QPointF(3.5, 11), QPointF(9, 11), QPointF(6.5, 19.5),
                                 QPointF(16.5, 7.5), QPointF(11, 7.5), QPointF(14, 0.5)}));
        break;
    case Icon::ColourWheelPin: {
        // A colour wheel with a pin stuck in it: the marker's colour.
        p.setRenderHint(QPainter::Antialiasing, true);
        QConicalGradient wheel(QPointF(9, 11), 0);
        const QColor hues[] = {Qt::red, Qt::yellow, Qt::green, Qt::cyan, Qt::blue, Qt::magenta, Qt::red};
        for (int i = 0; i < 7; ++i)
            wheel.setColorAt(i / 6.0, hues[i]);
        p.setPen(QPen(kOutline, 1));
        p.setBrush(wheel);
        p.drawEllipse(QRectF(1.5, 3.5, 15, 15));
        p.setPen(QPen(kOutline, 1.5));
        p.drawLine(QPointF(9, 11), QPointF(16, 3));
        p.setBrush(kStop);
        p.setPen(QPen(kOutline, 1));
        p.drawEllipse(QRectF(14, 0.5, 5, 5));
        break;
    }
    case Icon::RainbowLine: {
        // A slanted stroke in the colours of the rainbow: the edge's colour.
        p.setRenderHint(QPainter::Antialiasing, true);
        QLinearGradient rainbow(QPointF(2, 18), QPointF(18, 2));
        const QColor hues[] = {Qt::red, QColor(0xff, 0x90, 0x00), Qt::yellow, Qt::green, Qt::blue, Qt::magenta};
        for (int i = 0; i < 6; ++i)
            rainbow.setColorAt(i / 5.0, hues[i]);
        p.setPen(QPen(kOutline, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 17), QPointF(17, 3));
        p.setPen(QPen(QBrush(rainbow), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 17), QPointF(17, 3));
        break;
    }
    case Icon::FolderOpen:
    case Icon::FolderClosed: {
        const QColor folder(0xe8, 0xb8, 0x40);
        p.setPen(QPen(kOutline, 1));
        p.setBrush(folder.darker(115));
        p.drawRect(1, 3, 13, 10);
        p.drawRect(1, 2, 5, 1);
        p.setBrush(folder);
        if (icon == Icon::FolderOpen)
            p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
        else
            p.drawRect(1, 5, 13, 8);
        break;
    }
    }
}

} // namespace

QPixmap iconPixmap(Icon icon)
{
    const bool folder = icon == Icon::FolderOpen || icon == Icon::FolderClosed;
    QPixmap pixmap = blankIcon(folder ? 16 : kIconSize);
    QPainter painter(&pixmap);
    paintIcon(painter, icon);
    return pixmap;
}

} // namespace plevo
