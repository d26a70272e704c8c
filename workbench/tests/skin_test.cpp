#include "skin.h"

#include "syntheticskin.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tessel;

namespace {

class SkinPreview : public ::testing::Test
{
protected:
    QTemporaryDir temporary;
    const QString directory = temporary.path() + "/";
    SyntheticSkin skin {directory};

    QImage compose(const MainWindowLook& look)
    {
        const SkinLoad load = LoadSkin(directory);
        EXPECT_EQ(load.error, SkinLoadError::None);
        return DrawMainWindow(load.pictures, look);
    }

    // Each point of the window must show the named sprite of the synthetic skin.
    void expectSprites(const QImage& window, std::initializer_list<std::pair<QPoint, const char*>> expected)
    {
        for (const auto& [point, sprite] : expected)
            EXPECT_EQ(window.pixel(point), skin.colour(sprite))
                << sprite << " expected at " << point.x() << "," << point.y();
    }
};

} // namespace

TEST_F(SkinPreview, PutsEveryPieceAtItsPlace)
{
    const QImage window = compose({});
    ASSERT_EQ(window.size(), QSize(275, 116));
    expectSprites(window, {
        {{0, 20}, "main"}, {{274, 115}, "main"},
        {{16, 88}, "cbuttons.back"}, {{38, 105}, "cbuttons.back"},
        {{39, 88}, "cbuttons.play"}, {{61, 105}, "cbuttons.play"},
        {{62, 88}, "cbuttons.pause"}, {{84, 105}, "cbuttons.pause"},
        {{85, 88}, "cbuttons.stop"}, {{107, 105}, "cbuttons.stop"},
        {{108, 88}, "cbuttons.forward"}, {{129, 105}, "cbuttons.forward"},
        {{136, 89}, "cbuttons.eject"}, {{157, 104}, "cbuttons.eject"},
        {{158, 95}, "main"}, // the eject piece reaches past the edge of cbuttons.bmp
        {{164, 89}, "shufrep.shuffle"}, {{210, 103}, "shufrep.shuffle"},
        {{211, 89}, "shufrep.repeat"}, {{238, 103}, "shufrep.repeat"},
        {{218, 58}, "shufrep.equalizer"}, {{240, 69}, "shufrep.equalizer"},
        {{241, 58}, "shufrep.playlist"}, {{263, 69}, "shufrep.playlist"},
        {{16, 72}, "posbar.bar"}, {{263, 81}, "posbar.bar"},
        {{107, 57}, "volume.27"}, {{174, 69}, "volume.27"}, {{171, 69}, "volume.27"},
        {{158, 58}, "volume.knob"}, {{171, 68}, "volume.knob"},
        {{177, 57}, "volume.0"}, {{212, 69}, "volume.0"},
        {{188, 58}, "volume.knob"}, {{201, 68}, "volume.knob"},
        {{239, 41}, "monoster.stereo.lit"}, {{267, 52}, "monoster.stereo.lit"},
        {{210, 41}, "monoster.mono.unlit"}, {{236, 52}, "monoster.mono.unlit"}, {{237, 41}, "main"},
        {{0, 0}, "titlebar.title"}, {{274, 11}, "titlebar.title"},
        {{10, 22}, "titlebar.title"}, {{10, 34}, "titlebar.side"}, {{17, 64}, "titlebar.side"},
        {{27, 28}, "playpaus.play"}, {{34, 36}, "playpaus.play"},
        {{24, 28}, "playpaus.edge"}, {{26, 36}, "playpaus.edge"},
        {{40, 32}, "numbers.2"}, {{44, 32}, "numbers.2"}, {{40, 31}, "main"}, {{45, 32}, "main"},
        {{48, 26}, "numbers.0"}, {{60, 26}, "numbers.1"}, {{78, 26}, "numbers.2"}, {{98, 38}, "numbers.2"},
        {{111, 43}, "text.1"}, {{116, 43}, "text.2"}, {{121, 43}, "text.8"}, {{125, 48}, "text.8"},
        {{156, 43}, "text.4"}, {{165, 48}, "text.4"},
        {{112, 27}, "text.blank.29.0"}, {{261, 32}, "text.blank.29.0"}, {{262, 27}, "main"},
    });
}

TEST_F(SkinPreview, DrawsOnlyThePressedButtonHeld)
{
    MainWindowLook look;
    look.pressed = TransportButton::Play;
    expectSprites(compose(look), {
        {{39, 88}, "cbuttons.play.held"}, {{61, 105}, "cbuttons.play.held"},
        {{16, 88}, "cbuttons.back"}, {{62, 88}, "cbuttons.pause"}, {{136, 89}, "cbuttons.eject"},
        {{164, 90}, "shufrep.shuffle"},
    });
    look.pressed = TransportButton::Eject;
    expectSprites(compose(look), {{{136, 89}, "cbuttons.eject.held"}, {{39, 88}, "cbuttons.play"}});
}

TEST_F(SkinPreview, TakesTheHeldShufflePieceFromRow14)
{
    MainWindowLook look;
    look.pressed = TransportButton::Shuffle;
    expectSprites(compose(look), {
        {{164, 89}, "shufrep.shuffle"},
        {{164, 90}, "shufrep.shuffle.held"},
        {{210, 103}, "shufrep.shuffle.held"},
        {{39, 88}, "cbuttons.play"},
    });
}

TEST_F(SkinPreview, LightsTheChannelIndicatorsFromTheChannelText)
{
    MainWindowLook look;
    look.channel = channelFromText("Mono");
    expectSprites(compose(look), {
        {{239, 41}, "monoster.stereo.unlit"},
        {{212, 41}, "monoster.mono.lit"}, {{238, 52}, "monoster.mono.lit"},
        {{211, 41}, "main"},
    });
    look.channel = channelFromText("Off");
    expectSprites(compose(look), {{{239, 41}, "monoster.stereo.unlit"}, {{212, 41}, "monoster.mono.unlit"}});
    EXPECT_EQ(channelFromText("Stereo"), Channel::Stereo);
    EXPECT_EQ(channelFromText("stereo"), Channel::Off);
}

TEST_F(SkinPreview, WritesTheTitleInCapitalsOneGlyphPerCell)
{
    const auto cell = [](int k) { return QPoint(112 + 5 * k, 27); };
    MainWindowLook look;
    look.title = QStringLiteral("Tessel 2.0 ");
    expectSprites(compose(look), {
        {cell(0), "text.T"}, {cell(1), "text.E"}, {cell(2), "text.S"}, {cell(5), "text.L"},
        {cell(6), "text.blank.29.0"}, {cell(7), "text.2"}, {cell(8), "text.."}, {cell(9), "text.0"},
        {cell(10), "text.blank.29.0"}, {cell(29), "text.blank.29.0"},
    });

    look.title = QStringLiteral("\"@…åöä?*#~<");
    expectSprites(compose(look), {
        {cell(0), "text.\""}, {cell(1), "text.@"}, {cell(2), "text.…"}, {cell(3), "text.Å"}, {cell(4), "text.Ö"},
        {cell(5), "text.Ä"}, {cell(6), "text.?"}, {cell(7), "text.*"}, {cell(8), "text.#"},
        {cell(9), "text.blank.29.0"}, {cell(10), "text.blank.29.0"},
    });

    look.title = QString(35, QLatin1Char('x'));
    expectSprites(compose(look), {{cell(29), "text.X"}, {{262, 27}, "main"}});
}

TEST_F(SkinPreview, ReportsAMissingFileAndShowsTheOthers)
{
    skin.remove("numbers.bmp");
    const SkinLoad load = LoadSkin(directory);
    EXPECT_EQ(skinLoadMessage(load),
              "An Error occured while loading skin, Not all bmps were found in the directory specified.");
    EXPECT_EQ(load.failedFile, static_cast<int>(SkinFile::Numbers));
    for (int file = 0; file < kSkinFileCount; ++file)
        EXPECT_EQ(load.pictures.images[static_cast<size_t>(file)].isNull(), file == static_cast<int>(SkinFile::Numbers))
            << kSkinFileNames[static_cast<size_t>(file)];

    // The window is still composed; the time digits draw nothing.
    const QImage window = DrawMainWindow(load.pictures, {});
    EXPECT_EQ(window.pixel(48, 26), skin.colour("main"));
    EXPECT_EQ(window.pixel(39, 88), skin.colour("cbuttons.play"));
}

TEST_F(SkinPreview, NamesAFileThatIsNoPictureWithItsFullPath)
{
    skin.replaceWithText("text.bmp");
    const SkinLoad load = LoadSkin(directory);
    EXPECT_EQ(skinLoadMessage(load), "Unrecognized BMP Format: " + directory + "text.bmp\r\nResave file in a BMP editor.");
    EXPECT_TRUE(load.pictures[SkinFile::Text].isNull());
    EXPECT_FALSE(load.pictures[SkinFile::PlayPaus].isNull());
}

TEST_F(SkinPreview, JudgesTheMessageByTheFirstFailedFileItself)
{
    // main.bmp is missing and text.bmp is broken: main.bmp is the file named
    // first, and it is not a broken picture but a missing one.
    skin.remove("main.bmp");
    skin.replaceWithText("text.bmp");
    EXPECT_EQ(skinLoadMessage(LoadSkin(directory)),
              "An Error occured while loading skin, Not all bmps were found in the directory specified.");
}

TEST_F(SkinPreview, FindsFilesWhateverTheCaseOfTheirNames)
{
    ASSERT_TRUE(QFile::rename(directory + "main.bmp", directory + "Main.bmp"));
    ASSERT_TRUE(QFile::rename(directory + "cbuttons.bmp", directory + "CBUTTONS.BMP"));
    ASSERT_TRUE(QFile::rename(directory + "text.bmp", directory + "Text.Bmp"));
    const SkinLoad load = LoadSkin(directory);
    EXPECT_EQ(load.error, SkinLoadError::None);
    EXPECT_EQ(DrawMainWindow(load.pictures, {}).pixel(39, 88), skin.colour("cbuttons.play"));

    // Where two names differ only in case, the exact one wins.
    ASSERT_TRUE(QFile::copy(directory + "numbers.bmp", directory + "MAIN.BMP"));
    ASSERT_TRUE(QFile::copy(directory + "Main.bmp", directory + "main.bmp"));
    EXPECT_EQ(findSkinFile(directory, "main.bmp"), directory + "main.bmp");
    EXPECT_EQ(findSkinFile(directory, "playpaus.bmp"), directory + "playpaus.bmp");
    EXPECT_EQ(findSkinFile(directory, "pledit.bmp"), QString());

    skin.replaceWithText("Text.Bmp");
    EXPECT_EQ(skinLoadMessage(LoadSkin(directory)),
              "Unrecognized BMP Format: " + directory + "Text.Bmp\r\nResave file in a BMP editor.");
}

TEST(SkinAreas, FindTheButtonUnderThePointerWithRightAndBottomEdgesOutside)
{
    EXPECT_EQ(buttonAt({16, 88}), TransportButton::Back);
    EXPECT_EQ(buttonAt({38, 105}), TransportButton::Back);
    EXPECT_EQ(buttonAt({39, 88}), TransportButton::Play);
    EXPECT_EQ(buttonAt({61, 105}), TransportButton::Play);
    EXPECT_EQ(buttonAt({84, 100}), TransportButton::Pause);
    EXPECT_EQ(buttonAt({85, 100}), TransportButton::Stop);
    EXPECT_EQ(buttonAt({129, 100}), TransportButton::Forward);
    EXPECT_EQ(buttonAt({136, 89}), TransportButton::Eject);
    EXPECT_EQ(buttonAt({170, 95}), TransportButton::Shuffle);
    EXPECT_EQ(buttonAt({15, 88}), TransportButton::None);
    EXPECT_EQ(buttonAt({16, 106}), TransportButton::None);
    EXPECT_EQ(buttonAt({136, 88}), TransportButton::None);
    EXPECT_EQ(buttonAt({100, 40}), TransportButton::None);

    EXPECT_EQ(knobLeft(100, 5), 95);
    EXPECT_EQ(knobLeft(10, 5), 17);
    EXPECT_EQ(knobLeft(400, 0), 237);
}

TEST(SkinPreviewWithoutSkin, ComposesABlackWindow)
{
    const QImage window = DrawMainWindow({}, {});
    EXPECT_EQ(window.size(), QSize(275, 116));
    EXPECT_EQ(window.pixel(39, 88), qRgb(0, 0, 0));
}
