#include "artwork.h"

#include "picturebutton.h"
#include "twips.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <array>
#include <cctype>
#include <string_view>

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
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
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

// A 3 x 5 pixel font for the small texts on the built-in skin. Each glyph is five
// rows of three bits, top row first, leftmost pixel in the high bit.
struct Glyph
{
    char character;
    std::array<unsigned char, 5> rows;
};

constexpr Glyph kTinyFont[] = {
    {'A', {2, 5, 7, 5, 5}}, {'B', {6, 5, 6, 5, 6}}, {'C', {3, 4, 4, 4, 3}}, {'D', {6, 5, 5, 5, 6}},
    {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}}, {'G', {3, 4, 5, 5, 3}}, {'H', {5, 5, 7, 5, 5}},
    {'I', {7, 2, 2, 2, 7}}, {'J', {1, 1, 1, 5, 2}}, {'K', {5, 5, 6, 5, 5}}, {'L', {4, 4, 4, 4, 7}},
    {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}}, {'O', {2, 5, 5, 5, 2}}, {'P', {6, 5, 6, 4, 4}},
    {'Q', {2, 5, 5, 6, 3}}, {'R', {6, 5, 6, 5, 5}}, {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}},
    {'U', {5, 5, 5, 5, 7}}, {'V', {5, 5, 5, 5, 2}}, {'W', {5, 5, 7, 7, 5}}, {'X', {5, 5, 2, 5, 5}},
    {'Y', {5, 5, 2, 2, 2}}, {'Z', {7, 1, 2, 4, 7}}, {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}},
    {'2', {6, 1, 2, 4, 7}}, {'3', {6, 1, 2, 1, 6}}, {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 6, 1, 6}},
    {'6', {3, 4, 7, 5, 7}}, {'7', {7, 1, 2, 2, 2}}, {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 6}},
    {'-', {0, 0, 7, 0, 0}}, {'(', {1, 2, 2, 2, 1}}, {')', {4, 2, 2, 2, 4}}, {':', {0, 2, 0, 2, 0}},
    {'.', {0, 0, 0, 0, 2}},
};

void drawTinyText(QImage& image, int x, int y, std::string_view text, const QColor& colour)
{
    const QRgb rgb = colour.rgb();
    for (const char raw : text) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(raw)));
        for (const Glyph& glyph : kTinyFont) {
            if (glyph.character != c)
                continue;
            for (int row = 0; row < 5; ++row)
                for (int col = 0; col < 3; ++col)
                    if (glyph.rows[row] & (4 >> col) && image.rect().contains(x + col, y + row))
                        image.setPixel(x + col, y + row, rgb);
        }
        x += 4;
    }
}

// Seven-segment digits, 9 x 13 like a player's time display.
void drawDigit(QPainter& p, int x, int y, int digit, const QColor& lit)
{
    static constexpr unsigned char kSegments[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};
    const QRect segments[7] = {QRect(x + 2, y, 5, 1),      QRect(x + 7, y + 1, 1, 5), QRect(x + 7, y + 7, 1, 5),
                               QRect(x + 2, y + 12, 5, 1), QRect(x + 1, y + 7, 1, 5), QRect(x + 1, y + 1, 1, 5),
                               QRect(x + 2, y + 6, 5, 1)};
    for (int s = 0; s < 7; ++s)
        p.fillRect(segments[s], (kSegments[digit] >> s) & 1 ? lit : QColor(0x10, 0x2a, 0x18));
}

void bevel(QPainter& p, const QRect& r, const QColor& face, bool raised = true)
{
    p.fillRect(r, face);
    const QColor light = face.lighter(150);
    const QColor dark = face.darker(180);
    p.setPen(raised ? light : dark);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(raised ? dark : light);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void groove(QPainter& p, const QRect& r)
{
    QLinearGradient fill(r.topLeft(), r.topRight());
    fill.setColorAt(0, QColor(0x1c, 0x5e, 0x3a));
    fill.setColorAt(1, QColor(0xb8, 0x3c, 0x2c));
    p.fillRect(r.adjusted(0, 4, 0, -4), fill);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(0x0c, 0x10, 0x14));
    p.drawRect(r.adjusted(0, 4, -1, -5));
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

kit::PictureButton* placeButton(QWidget* parent, const char* name, Icon icon, const char* toolTip, int leftTwips,
                                int topTwips)
{
    auto* button = new kit::PictureButton(iconPixmap(icon), QLatin1String(toolTip), parent);
    button->setObjectName(QLatin1String(name));
    button->move(kit::twipsToPixels(leftTwips), kit::twipsToPixels(topTwips));
    return button;
}

QImage builtInSkin()
{
    QImage image(275, 116, QImage::Format_RGB32);
    const QColor body(0x3a, 0x44, 0x52);
    const QColor lcd(0x05, 0x0a, 0x08);
    const QColor lcdText(0x48, 0xe8, 0x78);
    const QColor lcdDim(0x1c, 0x5a, 0x30);
    const QColor button(0x5c, 0x68, 0x78);
    const QColor glyph(0xe4, 0xe8, 0xee);

    {
        QPainter p(&image);
        QLinearGradient shade(0, 0, 0, 116);
        shade.setColorAt(0, body.lighter(115));
        shade.setColorAt(1, body.darker(130));
        p.fillRect(image.rect(), shade);
        p.setPen(body.lighter(170));
        p.drawRect(0, 0, 274, 115);

        // Title bar with ridges, menu button left and three window buttons right.
        p.fillRect(QRect(0, 0, 275, 14), QColor(0x24, 0x2c, 0x38));
        for (int y = 3; y <= 10; y += 2) {
            p.fillRect(QRect(18, y, 80, 1), QColor(0x58, 0x70, 0x90));
            p.fillRect(QRect(176, y, 64, 1), QColor(0x58, 0x70, 0x90));
        }
        bevel(p, QRect(6, 3, 9, 9), button);
        for (int x : {244, 254, 264})
            bevel(p, QRect(x, 3, 9, 9), button);

        // Clutter bar.
        bevel(p, QRect(10, 22, 8, 43), body.darker(140), false);

        // The display: time, play indicator and visualization.
        p.fillRect(QRect(24, 26, 78, 36), lcd);
        p.setPen(QColor(0x70, 0x7c, 0x8c));
        p.drawRect(QRect(23, 25, 79, 37));
        p.fillRect(QRect(26, 28, 9, 9), QColor(0x0c, 0x18, 0x10));
        p.setPen(lcdText);
        p.setBrush(lcdText);
        p.drawPolygon(QPolygon({QPoint(28, 29), QPoint(33, 32), QPoint(28, 35)}));
        drawDigit(p, 48, 26, 0, lcdText);
        drawDigit(p, 60, 26, 1, lcdText);
        p.fillRect(QRect(73, 29, 1, 1), lcdText);
        p.fillRect(QRect(73, 34, 1, 1), lcdText);
        drawDigit(p, 78, 26, 4, lcdText);
        drawDigit(p, 90, 26, 2, lcdText);
        static constexpr int kBars[] = {6, 9, 12, 14, 13, 11, 10, 12, 9, 7, 8, 6, 5, 7, 4, 3, 5, 3, 2};
        for (int i = 0; i < 19; ++i) {
            const int height = kBars[i];
            for (int y = 0; y < height; ++y) {
                const int row = 58 - y;
                const QColor c = y > 10 ? QColor(0xf0, 0x50, 0x30) : y > 6 ? QColor(0xf0, 0xd0, 0x40) : lcdText;
                p.fillRect(QRect(25 + i * 4, row, 3, 1), c);
            }
        }

        // Song title, bit rate and sample rate, channel indicators.
        p.fillRect(QRect(111, 24, 155, 12), lcd);
        p.fillRect(QRect(111, 41, 16, 8), lcd);
        p.fillRect(QRect(156, 41, 11, 8), lcd);
        p.fillRect(QRect(212, 41, 56, 12), lcd);

        // Volume and balance bars with their knobs, the EQ and PL buttons.
        groove(p, QRect(107, 57, 68, 13));
        bevel(p, QRect(158, 58, 14, 11), QColor(0xb0, 0xb8, 0xc4));
        groove(p, QRect(177, 57, 38, 13));
        bevel(p, QRect(189, 58, 14, 11), QColor(0xb0, 0xb8, 0xc4));
        bevel(p, QRect(219, 58, 23, 12), button);
        bevel(p, QRect(242, 58, 23, 12), button);

        // Seeking bar with its knob.
        p.fillRect(QRect(16, 72, 248, 10), QColor(0x1c, 0x22, 0x2a));
        p.setBrush(Qt::NoBrush);
        p.setPen(QColor(0x0c, 0x10, 0x14));
        p.drawRect(QRect(16, 72, 247, 9));
        bevel(p, QRect(60, 72, 29, 10), QColor(0xb0, 0xb8, 0xc4));

        // Transport buttons, eject, shuffle and repeat.
        for (int i = 0; i < 5; ++i)
            bevel(p, QRect(16 + 23 * i, 88, i == 4 ? 22 : 23, 18), button);
        bevel(p, QRect(136, 89, 22, 16), button);
        bevel(p, QRect(164, 89, 46, 15), button);
        bevel(p, QRect(210, 89, 28, 15), button);
        p.setPen(Qt::NoPen);
        p.setBrush(glyph);
        p.drawRect(22, 93, 2, 8); // previous
        p.drawPolygon(QPolygon({QPoint(31, 93), QPoint(25, 97), QPoint(31, 101)}));
        p.drawPolygon(QPolygon({QPoint(47, 92), QPoint(55, 97), QPoint(47, 102)})); // play
        p.drawRect(69, 93, 3, 9); // pause
        p.drawRect(74, 93, 3, 9);
        p.drawRect(92, 93, 9, 9); // stop
        p.drawPolygon(QPolygon({QPoint(114, 93), QPoint(120, 97), QPoint(114, 101)})); // next
        p.drawRect(121, 93, 2, 8);
        p.drawPolygon(QPolygon({QPoint(141, 98), QPoint(147, 92), QPoint(153, 98)})); // eject
        p.drawRect(141, 100, 13, 2);
        p.setBrush(Qt::NoBrush);
        p.setPen(glyph);
        p.drawRect(218, 93, 12, 6); // repeat loop
        p.drawLine(228, 92, 230, 93);

        // Our emblem in the bottom right corner.
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(QColor(0x48, 0xe8, 0x78));
        p.setPen(QColor(0x12, 0x1a, 0x22));
        p.drawEllipse(QRectF(248.5, 89.5, 16, 16));
        p.setBrush(QColor(0x3a, 0x44, 0x52));
        p.drawEllipse(QRectF(252.5, 93.5, 8, 8));
    }

    drawTinyText(image, 100, 5, "PLEVO PLAYER", QColor(0xe0, 0xe8, 0xf0));
    drawTinyText(image, 113, 28, "1. DEMO TRIO - FIRST LIGHT (3:42)", lcdText);
    drawTinyText(image, 113, 43, "128", lcdText);
    drawTinyText(image, 158, 43, "44", lcdText);
    drawTinyText(image, 129, 43, "KBPS", QColor(0xc0, 0xc8, 0xd4));
    drawTinyText(image, 169, 43, "KHZ", QColor(0xc0, 0xc8, 0xd4));
    drawTinyText(image, 216, 45, "MONO", lcdDim);
    drawTinyText(image, 240, 45, "STEREO", lcdText);
    drawTinyText(image, 12, 24, "O", lcdText);
    drawTinyText(image, 12, 32, "A", lcdText);
    drawTinyText(image, 12, 40, "I", lcdText);
    drawTinyText(image, 12, 48, "D", lcdText);
    drawTinyText(image, 12, 56, "V", lcdText);
    drawTinyText(image, 225, 62, "EQ", glyph);
    drawTinyText(image, 249, 62, "PL", glyph);
    drawTinyText(image, 170, 94, "SHUFFLE", glyph);
    return image;
}

} // namespace plevo
