#include "sample_skin/core/sampleskin.h"

#include "common/core/elementtable.h"
#include "common/core/skinfont.h"
#include "common/portable/bmp.h"
#include "workbench/core/colourfile.h"
#include "workbench/core/regionfile.h"
#include "workbench/core/skin.h"

#include <QPainter>
#include <QPolygon>

#include <array>
#include <map>
#include <string_view>

namespace sample {
namespace {

// The skin's palette: a slate case, an amber trim, a green display.
const QColor kCase(0x3a, 0x42, 0x55);
const QColor kCaseLight(0x5c, 0x67, 0x80);
const QColor kCaseDark(0x1d, 0x22, 0x2e);
const QColor kTrim(0xd8, 0xa0, 0x3c);
const QColor kTrimDark(0x8a, 0x5e, 0x1a);
const QColor kScreen(0x08, 0x10, 0x0c);
const QColor kLit(0x5c, 0xf0, 0x7a);
const QColor kUnlit(0x1c, 0x3c, 0x26);
const QColor kSymbol(0xe8, 0xec, 0xf4);

QImage canvas(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// A raised block, or a sunken one when pressed: light and dark edges one pixel wide.
void bevel(QPainter& painter, const QRect& rect, const QColor& face, bool pressed)
{
    painter.fillRect(rect, pressed ? face.darker(130) : face);
    const QColor top = pressed ? kCaseDark : face.lighter(150);
    const QColor bottom = pressed ? face.lighter(130) : kCaseDark;
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, top);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), top);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottom);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), bottom);
}

// The skin font's glyphs, three pixels wide and five high in their 5 x 6 cells,
// as rows of bits from the top.
const std::map<char, std::string_view>& glyphs()
{
    static const std::map<char, std::string_view> table {
        {'A', "010101111101101"}, {'B', "110101110101110"}, {'C', "011100100100011"}, {'D', "110101101101110"},
        {'E', "111100110100111"}, {'F', "111100110100100"}, {'G', "011100101101011"}, {'H', "101101111101101"},
        {'I', "111010010010111"}, {'J', "001001001101010"}, {'K', "101101110101101"}, {'L', "100100100100111"},
        {'M', "101111111101101"}, {'N', "110101101101101"}, {'O', "010101101101010"}, {'P', "110101110100100"},
        {'Q', "010101101110011"}, {'R', "110101110101101"}, {'S', "011100010001110"}, {'T', "111010010010010"},
        {'U', "101101101101111"}, {'V', "101101101101010"}, {'W', "101101111111101"}, {'X', "101101010101101"},
        {'Y', "101101010010010"}, {'Z', "111001010100111"}, {'0', "111101101101111"}, {'1', "010110010010111"},
        {'2', "110001010100111"}, {'3', "110001010001110"}, {'4', "101101111001001"}, {'5', "111100110001110"},
        {'6', "011100111101111"}, {'7', "111001010010010"}, {'8', "111101111101111"}, {'9', "111101111001110"},
        {'.', "000000000000010"}, {':', "000010000010000"}, {'-', "000000111000000"}, {'(', "001010010010001"},
        {')', "100010010010100"}, {'\'', "010010000000000"}, {'!', "010010010000010"}, {'"', "101101000000000"},
        {'@', "010101111100011"}, {'_', "000000000000111"}, {'+', "000010111010000"}, {'/', "001001010100100"},
        {'?', "110001010000010"}, {',', "000000000010100"}, {'=', "000111000111000"},
    };
    return table;
}

void drawGlyph(QImage& image, QPoint cell, char character, const QColor& ink)
{
    const auto found = glyphs().find(character);
    if (found == glyphs().end())
        return;
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 3; ++column)
            if (found->second[static_cast<size_t>(row * 3 + column)] == '1')
                image.setPixelColor(cell.x() + 1 + column, cell.y() + row, ink);
}

void drawText(QImage& image, QPoint at, std::string_view text, const QColor& ink)
{
    for (const char character : text) {
        drawGlyph(image, at, character, ink);
        at.rx() += 4;
    }
}

QImage mainBackground()
{
    QImage image = canvas(275, 116, kCase);
    QPainter painter(&image);
    // Grooves across the case.
    for (int y = 16; y < 116; y += 4)
        painter.fillRect(0, y, 275, 1, kCase.darker(112));
    bevel(painter, {0, 14, 275, 102}, kCase, false);
    // The display: time and visualization on the left, song title and rates on the right.
    bevel(painter, {9, 22, 98, 44}, kScreen, true);
    bevel(painter, {109, 23, 157, 12}, kScreen, true);
    bevel(painter, {108, 40, 20, 10}, kScreen, true);
    bevel(painter, {153, 40, 14, 10}, kScreen, true);
    drawText(image, {130, 42}, "KBPS", kTrim);
    drawText(image, {170, 42}, "KHZ", kTrim);
    // The trim under the buttons.
    painter.fillRect(8, 108, 259, 2, kTrim);
    painter.fillRect(8, 110, 259, 1, kTrimDark);
    return image;
}

QImage cbuttons()
{
    QImage image = canvas(136, 36, kCaseDark);
    QPainter painter(&image);
    struct Button { int x, width, height; };
    const std::array<Button, 6> buttons {{{0, 23, 18}, {23, 23, 18}, {46, 23, 18}, {69, 23, 18}, {92, 22, 18}, {114, 22, 16}}};
    for (int pressed = 0; pressed < 2; ++pressed) {
        for (size_t i = 0; i < buttons.size(); ++i) {
            const Button& button = buttons[i];
            const int top = pressed * button.height;
            bevel(painter, {button.x, top, button.width, button.height}, kCaseLight, pressed != 0);
            const QPoint centre(button.x + button.width / 2 + pressed, top + button.height / 2 + pressed);
            painter.setPen(Qt::NoPen);
            painter.setBrush(kSymbol);
            const auto triangle = [&painter](QPoint tip, int direction) {
                painter.drawPolygon(QPolygon({tip, tip + QPoint(-4 * direction, -4), tip + QPoint(-4 * direction, 4)}));
            };
            switch (i) {
            case 0: // previous
                painter.drawRect(centre.x() - 5, centre.y() - 4, 1, 8);
                triangle(centre + QPoint(-4, 0), -1);
                triangle(centre + QPoint(1, 0), -1);
                break;
            case 1: // play
                triangle(centre + QPoint(3, 0), 1);
                break;
            case 2: // pause
                painter.drawRect(centre.x() - 3, centre.y() - 4, 2, 8);
                painter.drawRect(centre.x() + 1, centre.y() - 4, 2, 8);
                break;
            case 3: // stop
                painter.drawRect(centre.x() - 3, centre.y() - 3, 7, 7);
                break;
            case 4: // next
                triangle(centre + QPoint(0, 0), 1);
                triangle(centre + QPoint(4, 0), 1);
                painter.drawRect(centre.x() + 4, centre.y() - 4, 1, 8);
                break;
            default: // eject
                painter.drawPolygon(QPolygon({centre + QPoint(0, -5), centre + QPoint(-5, 1), centre + QPoint(5, 1)}));
                painter.drawRect(centre.x() - 5, centre.y() + 3, 11, 2);
                break;
            }
        }
    }
    return image;
}

QImage shufrep()
{
    QImage image = canvas(92, 85, kCaseDark);
    QPainter painter(&image);
    // Rows: off, off pressed, on, on pressed; repeat at x 0, shuffle at x 28.
    for (int row = 0; row < 4; ++row) {
        const bool on = row >= 2;
        const bool pressed = row % 2 == 1;
        bevel(painter, {0, row * 15, 28, 15}, kCaseLight, pressed);
        bevel(painter, {28, row * 15, 47, 15}, kCaseLight, pressed);
        drawText(image, {8, row * 15 + 5}, "REP", on ? kLit : kSymbol);
        drawText(image, {38, row * 15 + 5}, "SHUF", on ? kLit : kSymbol);
    }
    // Equalizer and playlist buttons, off then on.
    for (int row = 0; row < 2; ++row) {
        bevel(painter, {0, 61 + row * 12, 23, 12}, kCaseLight, row == 1);
        bevel(painter, {23, 61 + row * 12, 23, 12}, kCaseLight, row == 1);
        drawText(image, {7, 64 + row * 12}, "EQ", row == 1 ? kLit : kSymbol);
        drawText(image, {30, 64 + row * 12}, "PL", row == 1 ? kLit : kSymbol);
    }
    return image;
}

QImage posbar()
{
    QImage image = canvas(307, 10, kCase);
    QPainter painter(&image);
    bevel(painter, {0, 0, 248, 10}, kCaseDark, true);
    painter.fillRect(3, 4, 242, 2, kScreen);
    bevel(painter, {248, 0, 29, 10}, kTrim, false);
    bevel(painter, {278, 0, 29, 10}, kTrim, true);
    return image;
}

QImage volume()
{
    QImage image = canvas(68, 433, kCase);
    QPainter painter(&image);
    // 28 bars from quiet to loud, green to red.
    for (int step = 0; step < 28; ++step) {
        const QRect bar(0, step * 15, 68, 13);
        bevel(painter, bar, kCaseDark, true);
        const QColor level = QColor::fromHsv(120 - step * 120 / 27, 200, 220);
        painter.fillRect(3, bar.top() + 5, (62 * step) / 27 + 1, 3, level);
    }
    bevel(painter, {0, 422, 14, 11}, kTrim, true);
    bevel(painter, {15, 422, 14, 11}, kTrim, false);
    return image;
}

QImage monoster()
{
    QImage image = canvas(58, 24, kScreen);
    for (int lit = 0; lit < 2; ++lit) {
        const QColor ink = lit == 0 ? kLit : kUnlit;
        drawText(image, {1, lit * 12 + 3}, "STEREO", ink);
        drawText(image, {34, lit * 12 + 3}, "MONO", ink);
    }
    return image;
}

QImage titlebar()
{
    QImage image = canvas(344, 87, kCaseDark);
    QPainter painter(&image);
    // The active title bar, then the inactive one below it.
    for (int active = 1; active >= 0; --active) {
        const int top = active ? 0 : 15;
        const QColor bar = active ? kTrim : kCaseLight;
        painter.fillRect(27, top, 275, 14, kCaseDark);
        for (int y = top + 3; y < top + 11; y += 2)
            painter.fillRect(29, y, 271, 1, bar);
        painter.fillRect(110, top + 2, 58, 10, kCaseDark);
        drawText(image, {112, top + 4}, "KIT SAMPLE", bar);
        // Menu, minimize, shade and close.
        for (const int x : {33, 271, 280, 291})
            bevel(painter, {x, top + 3, 9, 9}, kCaseLight, false);
    }
    // The side buttons beside the display.
    bevel(painter, {312, 0, 8, 43}, kCaseLight, false);
    for (int y = 5; y < 43; y += 8)
        painter.fillRect(314, y, 4, 2, kTrim);
    return image;
}

QImage text()
{
    QImage image = canvas(155, 18, kScreen);
    constexpr std::array<std::string_view, 3> rows {
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ\"@", "0123456789 .:()-'!_+ /   ,=", "   ?"};
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t cell = 0; cell < rows[row].size(); ++cell)
            drawGlyph(image,
                      {static_cast<int>(cell) * kit::kGlyphWidth, static_cast<int>(row) * kit::kGlyphHeight},
                      rows[row][cell], kLit);
    return image;
}

QImage numbers()
{
    QImage image = canvas(99, 13, kScreen);
    QPainter painter(&image);
    // Seven segments a digit: top, upper left, upper right, middle, lower left, lower right, bottom.
    constexpr std::array<std::string_view, 10> segments {"1110111", "0010010", "1011101", "1011011", "0111010",
                                                         "1101011", "1101111", "1010010", "1111111", "1111011"};
    const std::array<QRect, 7> places {QRect(2, 0, 5, 2), QRect(1, 1, 2, 5), QRect(6, 1, 2, 5), QRect(2, 6, 5, 1),
                                       QRect(1, 7, 2, 5), QRect(6, 7, 2, 5), QRect(2, 11, 5, 2)};
    for (int digit = 0; digit < 10; ++digit)
        for (size_t segment = 0; segment < places.size(); ++segment)
            painter.fillRect(places[segment].translated(digit * 9, 0),
                             segments[static_cast<size_t>(digit)][segment] == '1' ? kLit : kUnlit);
    return image;
}

QImage playpaus()
{
    QImage image = canvas(42, 9, kScreen);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLit);
    painter.drawPolygon(QPolygon({QPoint(2, 1), QPoint(2, 7), QPoint(7, 4)}));
    painter.fillRect(10, 1, 2, 7, kTrim);
    painter.fillRect(14, 1, 2, 7, kTrim);
    painter.fillRect(20, 2, 5, 5, kTrim);
    painter.fillRect(36, 0, 3, 9, kLit);
    return image;
}

// One of the player's other windows, with a distinct raised piece at every
// rectangle Knapro cuts from it.
QImage windowPicture(int tab)
{
    QImage image = canvas(275, 116, kCase);
    QPainter painter(&image);
    bevel(painter, {0, 0, 275, 116}, kCase, false);
    const auto cuts = kit::cutRectangles(tab);
    for (size_t i = 0; i < cuts.size(); ++i) {
        const QRect rect(cuts[i].intX, cuts[i].intY, cuts[i].intWidth, cuts[i].intHeight);
        bevel(painter, rect, QColor::fromHsv(static_cast<int>(i * 47 % 360), 90, 170), false);
    }
    return image;
}

std::string bitmapBytes(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    kit::bmp::Image image(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = rgb.pixel(x, y);
            image.at(x, y) = {static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
                              static_cast<std::uint8_t>(qBlue(pixel))};
        }
    // Classic skins are 8-bit bitmaps; the writer keeps 24 bits for a picture of more colours.
    return kit::bmp::write(image, kit::bmp::Depth::Palette8);
}

tessel::ColourTable visColours()
{
    tessel::ColourTable table {};
    table[0] = {0, 0, 0};
    table[1] = {40, 48, 56};
    // The analyzer from red at its top to green at its foot.
    for (int i = 2; i <= 17; ++i) {
        const QColor colour = QColor::fromHsv((i - 2) * 120 / 15, 230, 240);
        table[static_cast<size_t>(i)] = {static_cast<double>(colour.red()), static_cast<double>(colour.green()),
                                         static_cast<double>(colour.blue())};
    }
    // The oscilloscope from white to grey.
    for (int i = 18; i <= 22; ++i) {
        const double level = 255 - (i - 18) * 30;
        table[static_cast<size_t>(i)] = {level, level, level};
    }
    return table;
}

// The visualization colours as the player reads them: Tessel's entries, in its
// own form, and the player's last entry, which Tessel's table does not hold, in
// the same form.
std::string visColourFile()
{
    std::string text = tessel::colourFileText(visColours());
    text += tessel::numberText(kSymbol.red()) + "," + tessel::numberText(kSymbol.green()) + ","
            + tessel::numberText(kSymbol.blue()) + "  //" + tessel::numberText(tessel::kColourEntries) + "\r\n";
    return text;
}

} // namespace

std::vector<QImage> skinBitmaps()
{
    return {mainBackground(), cbuttons(), shufrep(), posbar(), volume(),
            monoster(),       titlebar(), text(),    numbers(), playpaus()};
}

std::vector<SkinFile> sampleSkinFiles()
{
    std::vector<SkinFile> files;
    const std::vector<QImage> bitmaps = skinBitmaps();
    tessel::SkinPictures pictures;
    for (size_t i = 0; i < bitmaps.size(); ++i) {
        files.push_back({tessel::kSkinFileNames[i], bitmapBytes(bitmaps[i])});
        pictures.images[i] = bitmaps[i].convertToFormat(QImage::Format_RGB32);
    }

    files.push_back({"Tessel.txt", visColourFile()});
    // The title bar and the case below it, whose lower corners are cut off.
    files.push_back({"Region.txt", tessel::regionFileText("4,8,", "0,0,275,0,275,14,0,14,"
                                                                  "0,14,275,14,275,112,273,114,271,116,4,116,2,114,0,112,")});

    tessel::MainWindowLook look;
    look.title = QStringLiteral("Kit Sample - a skin to try the kit on");
    files.push_back({"window-main.bmp", bitmapBytes(tessel::DrawMainWindow(pictures, look))});
    files.push_back({"window-equalizer.bmp", bitmapBytes(windowPicture(kit::EqualizerTab))});
    files.push_back({"window-playlist.bmp", bitmapBytes(windowPicture(kit::PlaylistTab))});
    return files;
}

} // namespace sample
