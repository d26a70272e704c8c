#include "region_editor/core/cdaudiostream.h"
#include "region_editor/tests/fakecd.h"

#include <gtest/gtest.h>

using plevo::CdCommand;
using plevo::CdMode;
using plevo::CdProblem;
using plevo::CdStatus;
using plevo::CdTrack;
using plevo::testing::FakeDisc;

namespace {

struct Step
{
    CdCommand command;
    int track; // for Seek
    CdStatus expected;
};

struct Script
{
    const char* what;
    std::vector<CdTrack> tracks;
    bool analog;
    bool readable;
    std::vector<Step> steps;
    std::vector<std::string> log; // what the drive and the sound output were asked, in order
};

const std::vector<CdTrack> kThreeTracks = {{1, 0, 999, true}, {2, 1000, 2999, true}, {3, 3000, 3999, true}};
const std::vector<CdTrack> kEnhanced = {{1, 0, 999, false}, {2, 1000, 2999, true}, {3, 3000, 3999, true},
                                        {4, 4000, 8999, false}};

TEST(CdPlayer, CarriesOutTheWindowsCommands)
{
    const Script scripts[] = {
        {"the drive plays by itself where its audio cannot be read",
         kThreeTracks,
         true,
         false,
         {{CdCommand::Play, 0, {CdMode::Closed, 0, 0}},
          {CdCommand::Open, 0, {CdMode::Stopped, 3, 1}},
          {CdCommand::Play, 0, {CdMode::Playing, 3, 1}},
          {CdCommand::Next, 0, {CdMode::Playing, 3, 2}},
          {CdCommand::Next, 0, {CdMode::Playing, 3, 3}},
          {CdCommand::Next, 0, {CdMode::Playing, 3, 3}},
          {CdCommand::Pause, 0, {CdMode::Paused, 3, 3}},
          {CdCommand::Pause, 0, {CdMode::Playing, 3, 3}},
          {CdCommand::Seek, 1, {CdMode::Stopped, 3, 1}},
          {CdCommand::Stop, 0, {CdMode::Stopped, 3, 1}},
          {CdCommand::Prev, 0, {CdMode::Stopped, 3, 1}},
          {CdCommand::Eject, 0, {CdMode::Closed, 0, 0}},
          {CdCommand::Close, 0, {CdMode::Closed, 0, 0}}},
         {"open", "play 0-3999", "stop", "play 1000-3999", "stop", "play 3000-3999", "pause", "resume", "stop",
          "eject"}},
        {"audio read digitally where the drive does not play",
         kThreeTracks,
         false,
         true,
         {{CdCommand::Open, 0, {CdMode::Stopped, 3, 1}},
          {CdCommand::Next, 0, {CdMode::Stopped, 3, 2}},
          {CdCommand::Play, 0, {CdMode::Playing, 3, 2}},
          {CdCommand::Pause, 0, {CdMode::Paused, 3, 2}},
          {CdCommand::Play, 0, {CdMode::Playing, 3, 2}},
          {CdCommand::Prev, 0, {CdMode::Playing, 3, 1}},
          {CdCommand::Close, 0, {CdMode::Closed, 0, 0}}},
         {"open", "sound", "sound pause", "sound resume", "sound stop", "sound", "sound stop", "close"}},
        {"audio read digitally even where the drive could play by itself",
         kThreeTracks,
         true,
         true,
         {{CdCommand::Open, 0, {CdMode::Stopped, 3, 1}}, {CdCommand::Play, 0, {CdMode::Playing, 3, 1}}},
         {"open", "sound", "sound stop"}},
        {"data tracks are counted but never played",
         kEnhanced,
         true,
         false,
         {{CdCommand::Open, 0, {CdMode::Stopped, 4, 1}},
          {CdCommand::Play, 0, {CdMode::Playing, 4, 2}},
          {CdCommand::Seek, 9, {CdMode::Stopped, 4, 4}},
          {CdCommand::Play, 0, {CdMode::Stopped, 4, 4, CdProblem::DataDisc}}},
         {"open", "play 1000-3999", "stop"}},
        {"a disc without audio", {{1, 0, 9999, false}}, true, true, {{CdCommand::Open, 0, {CdMode::Closed, 0, 0, CdProblem::DataDisc}}}, {"open", "close"}},
        {"an empty table of contents", {}, true, true, {{CdCommand::Open, 0, {CdMode::Closed, 0, 0, CdProblem::NoDisc}}}, {"open", "close"}},
    };
    for (const Script& script : scripts) {
        SCOPED_TRACE(script.what);
        FakeDisc disc;
        disc.tracks = script.tracks;
        disc.analog = script.analog;
        disc.readable = script.readable;
        {
            plevo::testing::FakeCdDrive drive(disc);
            plevo::testing::FakeAudioOut audio(disc);
            plevo::CdPlayer player(drive, audio);
            int index = 0;
            for (const Step& step : script.steps) {
                SCOPED_TRACE(index++);
                const CdStatus status = player.perform(step.command, step.track);
                EXPECT_EQ(status.mode, step.expected.mode);
                EXPECT_EQ(status.tracks, step.expected.tracks);
                EXPECT_EQ(status.track, step.expected.track);
                EXPECT_EQ(status.problem, step.expected.problem);
            }
        }
        EXPECT_EQ(disc.log, script.log);
    }
}

TEST(CdPlayer, ReportsWhyNothingOpensOrPlays)
{
    for (const CdProblem problem : {CdProblem::NoDrive, CdProblem::NoDisc, CdProblem::DriveError}) {
        FakeDisc disc;
        disc.openProblem = problem;
        plevo::testing::FakeCdDrive drive(disc);
        plevo::testing::FakeAudioOut audio(disc);
        plevo::CdPlayer player(drive, audio);
        EXPECT_EQ(player.perform(CdCommand::Open), (CdStatus{CdMode::Closed, 0, 0, problem}));
        EXPECT_EQ(player.perform(CdCommand::Eject), (CdStatus{CdMode::Closed, 0, 0}));
    }

    FakeDisc silent;
    silent.soundOut = false;
    plevo::testing::FakeCdDrive drive(silent);
    plevo::testing::FakeAudioOut audio(silent);
    plevo::CdPlayer player(drive, audio);
    player.perform(CdCommand::Open);
    EXPECT_EQ(player.perform(CdCommand::Play), (CdStatus{CdMode::Stopped, 3, 1, CdProblem::NoSound}));
    EXPECT_EQ(plevo::cdProblemText(CdProblem::NoSound), "No sound out");
}

TEST(CdPlayer, TheCurrentTrackFollowsThePlayback)
{
    FakeDisc disc;
    disc.analog = true;
    disc.readable = false;
    plevo::testing::FakeCdDrive drive(disc);
    plevo::testing::FakeAudioOut audio(disc);
    plevo::CdPlayer player(drive, audio);
    player.perform(CdCommand::Open);
    player.perform(CdCommand::Play);
    disc.analogPosition = 1500; // well into track 2
    EXPECT_EQ(player.perform(CdCommand::Next).track, 3);
    disc.analogPosition.reset(); // the drive reached the end by itself
    EXPECT_EQ(player.perform(CdCommand::Pause), (CdStatus{CdMode::Stopped, 3, 3}));

    // Played digitally, the track is where the sound has got to, and a run that
    // is used up leaves the player stopped.
    FakeDisc digital;
    digital.tracks = {{1, 0, 1, true}, {2, 2, 3, true}};
    plevo::testing::FakeCdDrive digitalDrive(digital);
    plevo::testing::FakeAudioOut sound(digital);
    plevo::CdPlayer digitalPlayer(digitalDrive, sound);
    digitalPlayer.perform(CdCommand::Open);
    digitalPlayer.perform(CdCommand::Play);
    ASSERT_NE(digital.playing, nullptr);
    std::vector<char> buffer(3 * plevo::kCdSectorBytes);
    ASSERT_EQ(digital.playing->read(buffer.data(), static_cast<qint64>(buffer.size())),
              static_cast<qint64>(buffer.size()));
    EXPECT_EQ(buffer.back(), 2); // the sound of sector 2, in track 2
    EXPECT_EQ(digitalPlayer.perform(CdCommand::Pause).track, 2);
    digitalPlayer.perform(CdCommand::Pause);
    digital.playing->readAll();
    EXPECT_EQ(digitalPlayer.perform(CdCommand::Play), (CdStatus{CdMode::Playing, 2, 2}));
}

} // namespace
