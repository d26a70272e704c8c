#include "syntheticskin.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// The usual font of a skin, row by row, "~" for the blank cells and the
// ellipsis as "…".
const QString kFontRows[3] = {
    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ\"@~~~"),
    QStringLiteral("0123456789….:()-'!_+\\/[]^&%,=$#"),
    QStringLiteral("ÅÖÄ?*~~~~~~~~~~~~~~~~~~~~~~~~~~"),
};

} // namespace

QString glyphSprite(int column, int row)
{
    const QChar character = kFontRows[row].at(column);
    if (character == QLatin1Char('~'))
        return QStringLiteral("text.blank.%1.%2").arg(column).arg(row);
    return QStringLiteral("text.") + character;
}

SyntheticSkin::SyntheticSkin(const QString& dir)
    : directory(dir)
{
    QMap<QString, QRect> sprites;
    addFile("main", {275, 116}, {});

    const QString buttons[] = {"back", "play", "pause", "stop", "forward", "eject"};
    const int buttonX[] = {0, 23, 46, 69, 92, 114};
    const int buttonWidth[] = {23, 23, 23, 23, 22, 22};
    for (int i = 0; i < 6; ++i) {
        const int height = i == 5 ? 16 : 18;
        sprites[buttons[i]] = {buttonX[i], 0, buttonWidth[i], height};
        sprites[buttons[i] + ".held"] = {buttonX[i], height, buttonWidth[i], height};
    }
    addFile("cbuttons", {136, 36}, sprites);

    addFile("shufrep", {92, 85},
            {{"repeat", {0, 0, 28, 15}}, {"repeat.held", {0, 15, 28, 15}}, {"shuffle", {28, 0, 47, 15}},
             {"shuffle.held", {28, 15, 47, 15}}, {"equalizer", {0, 61, 23, 12}}, {"playlist", {23, 61, 23, 12}}});
    addFile("posbar", {307, 10}, {{"bar", {0, 0, 248, 10}}, {"knob", {248, 0, 29, 10}}, {"knob.held", {278, 0, 29, 10}}});

    sprites.clear();
    for (int level = 0; level < 28; ++level)
        sprites[QString::number(level)] = {0, 15 * level, 68, 13};
    sprites["knob.held"] = {0, 422, 14, 11};
    sprites["knob"] = {15, 422, 14, 11};
    addFile("volume", {68, 433}, sprites);

    addFile("monoster", {56, 24},
            {{"stereo.lit", {0, 0, 29, 12}}, {"stereo.unlit", {0, 12, 29, 12}}, {"mono.lit", {29, 0, 27, 12}},
             {"mono.unlit", {29, 12, 27, 12}}});
    // The title's sprite reaches into the side buttons' columns, as the pieces
    // do; sprites are filled in name order, so the title's colour is on top.
    addFile("titlebar", {344, 87}, {{"title", {27, 0, 302, 12}}, {"side", {312, 0, 8, 43}}});

    sprites.clear();
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 31; ++column)
            sprites[glyphSprite(column, row).mid(5)] = {5 * column, 6 * row, 5, 6};
    addFile("text", {155, 18}, sprites);

    sprites.clear();
    for (int digit = 0; digit < 11; ++digit)
        sprites[QString::number(digit)] = {9 * digit, 0, 9, 13};
    addFile("numbers", {99, 13}, sprites);

    addFile("playpaus", {42, 9}, {{"play", {0, 0, 9, 9}}, {"pause", {9, 0, 9, 9}}, {"stop", {18, 0, 9, 9}},
                                  {"edge", {36, 0, 3, 9}}});
}

QRgb SyntheticSkin::nextColour()
{
    // The blue channel alone tells the colours apart; red and green make them
    // easy to tell apart by eye in a failing picture.
    ++m_used;
    EXPECT_LT(m_used, 256);
    return qRgb((m_used * 53) & 0xff, (m_used * 101) & 0xff, m_used);
}

void SyntheticSkin::addFile(const QString& file, QSize size, const QMap<QString, QRect>& sprites)
{
    QImage picture(size, QImage::Format_RGB32);
    m_colours[file] = nextColour();
    picture.fill(m_colours[file]);
    for (auto sprite = sprites.begin(); sprite != sprites.end(); ++sprite) {
        const QRgb colour = nextColour();
        m_colours[file + "." + sprite.key()] = colour;
        for (int y = sprite->top(); y <= sprite->bottom(); ++y)
            for (int x = sprite->left(); x <= sprite->right(); ++x)
                picture.setPixel(x, y, colour);
    }
    EXPECT_TRUE(picture.save(directory + file + ".bmp", "BMP")) << file.toStdString();
}

QRgb SyntheticSkin::colour(const QString& sprite) const
{
    EXPECT_TRUE(m_colours.contains(sprite)) << "no sprite " << sprite.toStdString();
    return m_colours.value(sprite);
}

void SyntheticSkin::remove(const QString& fileName) const
{
    EXPECT_TRUE(QFile::remove(directory + fileName)) << fileName.toStdString();
}

void SyntheticSkin::replaceWithText(const QString& fileName) const
{
    QFile file(directory + fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("This is a note about the skin, not a picture.\r\n");
}
