#include "region_editor/ui/builtinskin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

#include <array>
#include <cctype>
#include <string_view>

namespace plevo {
namespace {

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
