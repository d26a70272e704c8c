#include "region_editor/core/cdaudiostream.h"
#include "region_editor/cdsound/audioend.h"
#include "region_editor/cdsound/cdiodrive.h"
#include "region_editor/tests/cdimage.h"
#include "region_editor/tests/fakecd.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace fs = std::filesystem;
using plevo::CdioDrive;
using plevo::CdProblem;

namespace {

class CdioDriveTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("plevo-cd-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
};

TEST(DiscLayout, AudioBeforeADataTrackEndsWhereItsSoundDoes)
{
    using Pregaps = std::vector<std::optional<std::int32_t>>;
    const struct
    {
        const char* what;
        Pregaps pregaps;
        std::optional<std::int32_t> lastSession;
        std::int32_t audioEnd;
    } cases[] = {
        {"the data track's pregap, where the disc gives it", {std::nullopt, std::nullopt, 20000}, std::nullopt, 19999},
        {"its usual pregap, where the disc does not", {}, std::nullopt, 29849},
        {"a data session after the audio", {std::nullopt, std::nullopt, 29800}, 30000, 18599},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<plevo::CdTrack> tracks = {{1, 0, 9999, true}, {2, 10000, 29999, true}, {3, 30000, 39999, false}};
        plevo::endAudioBeforeData(tracks, c.pregaps, c.lastSession);
        EXPECT_EQ(tracks[0].lastSector, 9999);
        EXPECT_EQ(tracks[1].lastSector, c.audioEnd);
        EXPECT_EQ(tracks[2].lastSector, 39999);
    }
    // A data track first, as on a mixed-mode disc, leaves the audio after it alone.
    std::vector<plevo::CdTrack> mixed = {{1, 0, 999, false}, {2, 1000, 2999, true}, {3, 3000, 3999, true},
                                         {4, 4000, 8999, false}};
    plevo::endAudioBeforeData(mixed, {}, std::nullopt);
    EXPECT_EQ(mixed[1].lastSector, 2999);
    EXPECT_EQ(mixed[2].lastSector, 3999 - plevo::kDataPregapSectors);
}

TEST_F(CdioDriveTest, ReadsTheTableOfContentsOfADiscImage)
{
    CdioDrive drive(CdioDrive::Source::CueImage, plevo::testing::writeAudioImage(folder, {150, 200, 160}).string());
    std::vector<plevo::CdTrack> tracks;
    ASSERT_EQ(drive.open(tracks), CdProblem::None);
    ASSERT_EQ(tracks.size(), 3u);
    EXPECT_EQ(tracks[1].number, 2);
    EXPECT_EQ(tracks[1].firstSector, 150);
    EXPECT_EQ(tracks[1].lastSector, 349);
    EXPECT_TRUE(tracks[2].audio);
    EXPECT_FALSE(drive.playAnalog(0, 509)); // an image has no audio output of its own
}

TEST_F(CdioDriveTest, ReadsAudioDigitallySectorBySector)
{
    CdioDrive drive(CdioDrive::Source::CueImage, plevo::testing::writeAudioImage(folder, {150, 150}).string());
    std::vector<plevo::CdTrack> tracks;
    ASSERT_EQ(drive.open(tracks), CdProblem::None);
    const auto reader = drive.sectorReader();
    ASSERT_NE(reader, nullptr);

    // The end of track 1 and the start of track 2, read in pieces that do not
    // line up with sectors, the way a sound output asks for them.
    plevo::CdAudioStream stream(*reader, 148, 151);
    ASSERT_TRUE(stream.open(QIODevice::ReadOnly));
    QByteArray sound;
    while (!stream.atEnd())
        sound += stream.read(1000);
    ASSERT_EQ(sound.size(), 4 * plevo::kCdSectorBytes);
    for (int i = 0; i < sound.size(); ++i) {
        const int sector = 148 + i / plevo::kCdSectorBytes;
        ASSERT_EQ(sound[i], plevo::testing::imageByte(sector, i % plevo::kCdSectorBytes)) << "byte " << i;
    }
    EXPECT_EQ(stream.position(), 151);
    EXPECT_EQ(stream.read(10), QByteArray());
}

TEST_F(CdioDriveTest, SaysWhatIsMissing)
{
    std::ofstream(folder / "not-a-drive") << "plain file";
    std::ofstream(folder / "broken.cue") << "FILE \"absent.bin\" BINARY\r\n  TRACK 01 AUDIO\r\n";
    struct Case
    {
        CdioDrive::Source source;
        fs::path path;
        CdProblem expected;
    };
    for (const Case& c : {Case{CdioDrive::Source::Drive, folder / "sr9", CdProblem::NoDrive},
                          Case{CdioDrive::Source::Drive, folder / "not-a-drive", CdProblem::NoDrive},
                          Case{CdioDrive::Source::Drive, "/dev/null", CdProblem::NoDisc},
                          Case{CdioDrive::Source::CueImage, folder / "broken.cue", CdProblem::NoDisc}}) {
        SCOPED_TRACE(c.path);
        CdioDrive drive(c.source, c.path.string());
        std::vector<plevo::CdTrack> tracks;
        EXPECT_EQ(drive.open(tracks), c.expected);
        EXPECT_EQ(drive.sectorReader(), nullptr);
        drive.eject();
    }
}

TEST_F(CdioDriveTest, APlayerOnADiscImagePlaysThroughTheSoundOutput)
{
    CdioDrive drive(CdioDrive::Source::CueImage, plevo::testing::writeAudioImage(folder, {150, 150, 150}).string());
    plevo::testing::FakeDisc sound;
    plevo::testing::FakeAudioOut audio(sound);
    plevo::CdPlayer player(drive, audio);
    EXPECT_EQ(player.perform(plevo::CdCommand::Open).tracks, 3);
    player.perform(plevo::CdCommand::Seek, 3);
    ASSERT_EQ(player.perform(plevo::CdCommand::Play).mode, plevo::CdMode::Playing);
    ASSERT_NE(sound.playing, nullptr);
    const QByteArray start = sound.playing->read(8);
    EXPECT_EQ(start[0], plevo::testing::imageByte(300, 0));
    EXPECT_EQ(start[7], plevo::testing::imageByte(300, 7));
    EXPECT_EQ(player.perform(plevo::CdCommand::Eject).mode, plevo::CdMode::Closed);
}

TEST_F(CdioDriveTest, AudioBeforeADataTrackPlaysToItsLastSoundAndNoFurther)
{
    CdioDrive drive(CdioDrive::Source::CueImage,
                    plevo::testing::writeImageWithDataTrack(folder, 300, 150, 75).string());
    plevo::testing::FakeDisc sound;
    plevo::testing::FakeAudioOut audio(sound);
    plevo::CdPlayer player(drive, audio);
    ASSERT_EQ(player.perform(plevo::CdCommand::Open).tracks, 2);
    ASSERT_EQ(player.perform(plevo::CdCommand::Play).mode, plevo::CdMode::Playing);
    ASSERT_NE(sound.playing, nullptr);
    EXPECT_EQ(sound.playing->readAll().size(), 300 * plevo::kCdSectorBytes);
}

} // namespace
