#include "workbench/core/skin.h"

#include "workbench/tests/syntheticskin.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <vector>

using namespace tessel;

namespace {

struct Piece
{
    SkinFile file;
    QRect from;
    QPoint to;
};

// The main window with nothing pressed, "Stereo" and an empty title, piece by piece.
using enum SkinFile;
const std::vector<Piece> kPieces = {
    {CButtons, {0, 0, 23, 18}, {16, 88}}, {CButtons, {23, 0, 23, 18}, {39, 88}}, {CButtons, {46, 0, 23, 18}, {62, 88}},
    {CButtons, {69, 0, 23, 18}, {85, 88}}, {CButtons, {92, 0, 22, 18}, {108, 88}}, {CButtons, {114, 0, 23, 16}, {136, 89}},
    {ShufRep, {28, 0, 48, 15}, {164, 89}}, {ShufRep, {0, 0, 28, 15}, {211, 89}}, {ShufRep, {0, 61, 46, 12}, {218, 58}},
    {PosBar, {0, 0, 248, 10}, {16, 72}}, {Volume, {0, 405, 68, 13}, {107, 57}}, {Volume, {15, 422, 14, 13}, {158, 58}},
    {Volume, {9, 0, 36, 13}, {177, 57}}, {Volume, {15, 422, 14, 13}, {188, 58}}, {MonoSter, {0, 0, 29, 12}, {239, 41}},
    {MonoSter, {29, 12, 29, 12}, {210, 41}}, {TitleBar, {27, 0, 302, 12}, {0, 0}}, {TitleBar, {312, 0, 8, 43}, {10, 22}},
    {PlayPaus, {0, 0, 9, 9}, {26, 28}}, {PlayPaus, {36, 0, 3, 9}, {24, 28}}, {Numbers, {20, 6, 5, 1}, {40, 32}},
    {Numbers, {0, 0, 9, 13}, {48, 26}}, {Numbers, {9, 0, 9, 13}, {60, 26}}, {Numbers, {18, 0, 9, 13}, {78, 26}},
    {Numbers, {18, 0, 9, 13}, {90, 26}}, {Text, {5, 6, 5, 6}, {111, 43}}, {Text, {10, 6, 5, 6}, {116, 43}},
    {Text, {40, 6, 5, 6}, {121, 43}}, {Text, {20, 6, 5, 6}, {156, 43}}, {Text, {20, 6, 5, 6}, {161, 43}},
};
// Where the shuffle and the two channel pieces stand in the list.
constexpr size_t kShuffle = 6, kStereo = 14, kMono = 15;

// main.bmp with the pieces laid over it in order and the title cells blank,
// each piece clipped by its source file and by the window.
QImage expectedWindow(std::vector<Piece> pieces)
{
    for (int cell = 0; cell < 30; ++cell)
        pieces.push_back({SkinFile::Text, {145, 0, 5, 6}, {112 + 5 * cell, 27}});
    QImage window(275, 116, QImage::Format_RGB32);
    for (int y = 0; y < 116; ++y)
        for (int x = 0; x < 275; ++x)
            window.setPixel(x, y, skinPixel(SkinFile::Main, x, y));
    for (const Piece& piece : pieces) {
        const QRect source = piece.from.intersected({{0, 0}, kSyntheticSkinSizes[static_cast<int>(piece.file)]});
        for (int y = source.top(); y <= source.bottom(); ++y)
            for (int x = source.left(); x <= source.right(); ++x)
                if (const QPoint to = piece.to + QPoint(x, y) - piece.from.topLeft(); window.rect().contains(to))
                    window.setPixel(to, skinPixel(piece.file, x, y));
    }
    return window;
}

// Empty when the window is made of `pieces`, else where and how it first differs.
std::string differenceFrom(const QImage& window, const std::vector<Piece>& pieces)
{
    const QImage expected = expectedWindow(pieces);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (window.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("at %1,%2: %3 instead of %4").arg(x).arg(y)
                    .arg(window.pixel(x, y), 0, 16).arg(expected.pixel(x, y), 0, 16).toStdString();
    return {};
}

class SkinPreview : public ::testing::Test
{
protected:
    void SetUp() override { writeSyntheticSkin(directory); }
    QImage compose(TransportButton pressed, Channel channel = Channel::Stereo, const QString& title = {})
    {
        const SkinLoad load = LoadSkin(directory);
        EXPECT_EQ(load.error, SkinLoadError::None);
        return DrawMainWindow(load.pictures, {pressed, channel, title});
    }

    QTemporaryDir temporary;
    const QString directory = temporary.path() + "/";
    const QString notFound = "An Error occured while loading skin, Not all bmps were found in the directory specified.";
};

} // namespace

TEST_F(SkinPreview, PutsEveryPieceAtItsPlaceAndDrawsEachPressedButtonHeld)
{
    EXPECT_EQ(differenceFrom(compose(TransportButton::None), kPieces), "");
    // The held pictures lie right below the others; shuffle's starts at row 14.
    for (size_t piece = 0; piece <= kShuffle; ++piece) {
        std::vector<Piece> held = kPieces;
        held[piece].from.moveTop(piece == kShuffle ? 14 : held[piece].from.height());
        EXPECT_EQ(differenceFrom(compose(TransportButton(piece + 1)), held), "") << piece;
    }
}

TEST_F(SkinPreview, LightsTheChannelIndicatorsFromTheChannelText)
{
    std::vector<Piece> mono = kPieces;
    mono[kStereo].from.moveTop(12);
    mono[kMono] = {SkinFile::MonoSter, {29, 0, 29, 12}, {212, 41}};
    EXPECT_EQ(differenceFrom(compose({}, channelFromText("Mono")), mono), "");
    std::vector<Piece> off = mono;
    off[kMono].from.moveTop(12);
    EXPECT_EQ(differenceFrom(compose({}, channelFromText("Off")), off), "");
    EXPECT_EQ(channelFromText("Stereo"), Channel::Stereo);
}

TEST_F(SkinPreview, WritesTheTitleInCapitalsOneGlyphPerCell)
{
    // Letters and " @ in row 0, digits and punctuation in row 1, Å Ö Ä ? * in row 2; blank for the rest.
    const QImage window = compose({}, Channel::Stereo, "t\"@9…#åÖä?*~ " + QString(20, 'x'));
    const std::vector<QPoint> glyphs = {{95, 0}, {130, 0}, {135, 0}, {45, 6}, {50, 6}, {150, 6}, {0, 12}, {5, 12},
                                        {10, 12}, {15, 12}, {20, 12}, {145, 0}, {145, 0}};
    for (int cell = 0; cell < 30; ++cell) {
        const QPoint glyph = cell < int(glyphs.size()) ? glyphs[size_t(cell)] : QPoint(115, 0);
        EXPECT_EQ(window.pixel(112 + 5 * cell, 27), skinPixel(SkinFile::Text, glyph.x(), glyph.y())) << cell;
        EXPECT_EQ(window.pixel(116 + 5 * cell, 32), skinPixel(SkinFile::Text, glyph.x() + 4, glyph.y() + 5)) << cell;
    }
    EXPECT_EQ(window.pixel(262, 27), skinPixel(SkinFile::Main, 262, 27));
}

TEST_F(SkinPreview, ReportsAMissingFileAndComposesTheOthers)
{
    ASSERT_TRUE(QFile::remove(directory + "numbers.bmp"));
    const SkinLoad load = LoadSkin(directory);
    EXPECT_EQ(skinLoadMessage(load), notFound);
    for (int file = 0; file < kSkinFileCount; ++file)
        EXPECT_EQ(load.pictures.images[size_t(file)].isNull(), file == int(SkinFile::Numbers));
    std::vector<Piece> pieces = kPieces;
    std::erase_if(pieces, [](const Piece& piece) { return piece.file == SkinFile::Numbers; });
    EXPECT_EQ(differenceFrom(DrawMainWindow(load.pictures, {}), pieces), "");
}

TEST_F(SkinPreview, FindsFilesWhateverTheCaseOfTheirNames)
{
    ASSERT_TRUE(QFile::rename(directory + "cbuttons.bmp", directory + "CBUTTONS.BMP"));
    EXPECT_EQ(differenceFrom(compose({}), kPieces), "");
    // Where two names differ only in case, the exact one wins.
    ASSERT_TRUE(QFile::copy(directory + "numbers.bmp", directory + "MAIN.BMP"));
    EXPECT_EQ(LoadSkin(directory).pictures[SkinFile::Main].pixel(0, 0), skinPixel(SkinFile::Main, 0, 0));
}

TEST_F(SkinPreview, ReadsArchivesInMemoryAndNamesTheArchiveAndTheMemberInItsMessages)
{
    const std::string noPicture = "This is a note about the skin, not a picture.\r\n";
    const struct
    {
        const char* name;
        std::string bytes;
        QString message;
    } cases[] = {
        {"Top.wsz", syntheticSkinArchive(""), ""},
        {"Blue.wsz", syntheticSkinArchive("Blue/", true), ""},
        {"Text.zip", syntheticSkinArchive("Blue/", false, {{"text.bmp", noPicture}}),
         "Unrecognized BMP Format: Text.zip: Blue/text.bmp\r\nResave file in a BMP editor."},
        {"Gone.wsz", syntheticSkinArchive("", false, {{"numbers.bmp", ""}}), notFound},
        {"Locked.wsz", syntheticSkinArchive("", false, {{"main.bmp", noPicture, true, true}}), notFound},
        {"Broken.wsz", "PK but no zip", "Tessel could not open the skin Broken.wsz: not a zip archive."},
    };
    for (const auto& c : cases) {
        const QString path = temporary.filePath(c.name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes.data(), qint64(c.bytes.size()));
        file.close();
        const SkinLoad load = LoadSkin(path);
        EXPECT_EQ(skinLoadMessage(load), c.message) << c.name;
        if (c.message.isEmpty()) {
            EXPECT_EQ(differenceFrom(DrawMainWindow(load.pictures, {}), kPieces), "") << c.name;
        }
    }
}

TEST_F(SkinPreview, NamesAFileThatIsNoPictureByItsFullPathUnlessAnEarlierFileIsMissing)
{
    ASSERT_TRUE(QFile::rename(directory + "text.bmp", directory + "Text.Bmp"));
    replaceWithText(directory + "Text.Bmp");
    const SkinLoad load = LoadSkin(directory);
    EXPECT_EQ(skinLoadMessage(load), "Unrecognized BMP Format: " + directory + "Text.Bmp\r\nResave file in a BMP editor.");
    EXPECT_TRUE(load.pictures[SkinFile::Text].isNull());
    EXPECT_FALSE(load.pictures[SkinFile::PlayPaus].isNull());

    ASSERT_TRUE(QFile::remove(directory + "main.bmp"));
    EXPECT_EQ(skinLoadMessage(LoadSkin(directory)), notFound);
}

TEST_F(SkinPreview, ABitmapWhoseDataEndsEarlyIsNoPictureAndAPipeIsNoFile)
{
    QFile bitmap(directory + "posbar.bmp");
    ASSERT_TRUE(bitmap.open(QIODevice::ReadWrite));
    ASSERT_TRUE(bitmap.resize(bitmap.size() / 2));
    bitmap.close();
    const SkinLoad cut = LoadSkin(directory);
    EXPECT_EQ(skinLoadMessage(cut), "Unrecognized BMP Format: " + directory + "posbar.bmp\r\nResave file in a BMP editor.");
    EXPECT_TRUE(cut.pictures[SkinFile::PosBar].isNull());

    ASSERT_TRUE(QFile::remove(directory + "main.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(directory + "main.bmp").constData(), 0644), 0);
    const SkinLoad piped = LoadSkin(directory);
    EXPECT_EQ(skinLoadMessage(piped), notFound);
    EXPECT_TRUE(piped.pictures[SkinFile::Main].isNull());
}

TEST(SkinAreas, FindTheTransportButtonUnderThePointerWithRightAndBottomEdgesOutside)
{
    using enum TransportButton;
    const std::pair<QPoint, TransportButton> points[] = {{{38, 105}, Back}, {{39, 88}, Play},   {{136, 89}, Eject},
                                                         {{170, 95}, None}, {{15, 88}, None}, {{16, 106}, None},
                                                         {{136, 88}, None}};
    for (const auto& [point, button] : points)
        EXPECT_EQ(buttonAt(point), button) << point.x() << "," << point.y();
}
