#pragma once

#include <QImage>
#include <QMap>
#include <QRect>
#include <QString>

// A made-up skin for tests: the ten bitmaps at their usual sizes, each filled
// with a colour of its own, and every sprite rectangle in it filled with
// another colour of its own, so that any pixel of a composed window tells which
// sprite of which file it came from.
class SyntheticSkin
{
public:
    // Writes the ten files into `directory` (which ends with a separator).
    explicit SyntheticSkin(const QString& directory);

    // The colour of a sprite, named "file.sprite" ("cbuttons.play.held",
    // "text.A", "numbers.7", "volume.27"); fails the test for an unknown name.
    QRgb colour(const QString& sprite) const;
    // The colour of a file's pixels outside its sprites ("posbar").
    QRgb background(const QString& file) const { return colour(file); }

    // The load-error fixtures.
    void remove(const QString& fileName) const;
    void replaceWithText(const QString& fileName) const;

    const QString directory;

private:
    void addFile(const QString& file, QSize size, const QMap<QString, QRect>& sprites);
    QRgb nextColour();

    QMap<QString, QRgb> m_colours;
    int m_used = 0;
};

// A text's glyph name in the made-up font, as colour() knows it: "text.A",
// "text.7", "text.blank.29.0" for the blank cells.
QString glyphSprite(int column, int row);
