#pragma once

#include "region_editor/core/cddevice.h"

#include <QIODevice>

#include <string>
#include <vector>

namespace plevo::testing {

// What the fake drive holds and what it was asked to do.
struct FakeDisc
{
    CdProblem openProblem = CdProblem::None;
    std::vector<CdTrack> tracks = {{1, 0, 999, true}, {2, 1000, 2999, true}, {3, 3000, 3999, true}};
    bool analog = false;  // whether the drive plays by itself
    bool readable = true; // whether the drive reads its audio
    bool soundOut = true; // whether the computer has a sound output
    std::optional<std::int32_t> analogPosition;
    std::vector<std::string> log;
    QIODevice* playing = nullptr; // what the sound output was given
};

// Every sector's bytes are its number's low byte, where the drive reads at all.
class FakeSectorReader final : public CdSectorReader
{
public:
    explicit FakeSectorReader(bool readable)
        : m_readable(readable)
    {
    }
    bool read(std::int32_t sector, char* into) override
    {
        std::fill(into, into + kCdSectorBytes, static_cast<char>(sector & 0xff));
        return m_readable;
    }

private:
    bool m_readable;
};

class FakeCdDrive final : public CdDrive
{
public:
    explicit FakeCdDrive(FakeDisc& disc)
        : m_disc(disc)
    {
    }
    CdProblem open(std::vector<CdTrack>& tracks) override
    {
        m_disc.log.push_back("open");
        if (m_disc.openProblem == CdProblem::None)
            tracks = m_disc.tracks;
        return m_disc.openProblem;
    }
    void close() override { m_disc.log.push_back("close"); }
    void eject() override { m_disc.log.push_back("eject"); }
    bool playAnalog(std::int32_t first, std::int32_t last) override
    {
        if (!m_disc.analog)
            return false;
        m_disc.log.push_back("play " + std::to_string(first) + "-" + std::to_string(last));
        m_disc.analogPosition = first;
        return true;
    }
    void pauseAnalog() override { m_disc.log.push_back("pause"); }
    void resumeAnalog() override { m_disc.log.push_back("resume"); }
    void stopAnalog() override
    {
        m_disc.log.push_back("stop");
        m_disc.analogPosition.reset();
    }
    std::optional<std::int32_t> analogPosition() override { return m_disc.analogPosition; }
    std::unique_ptr<CdSectorReader> sectorReader() override
    {
        return std::make_unique<FakeSectorReader>(m_disc.readable);
    }

private:
    FakeDisc& m_disc;
};

class FakeAudioOut final : public CdAudioOut
{
public:
    explicit FakeAudioOut(FakeDisc& disc)
        : m_disc(disc)
    {
    }
    bool start(QIODevice& source) override
    {
        if (!m_disc.soundOut)
            return false;
        m_disc.log.push_back("sound");
        m_disc.playing = &source;
        return true;
    }
    void pause() override { m_disc.log.push_back("sound pause"); }
    void resume() override { m_disc.log.push_back("sound resume"); }
    void stop() override
    {
        m_disc.log.push_back("sound stop");
        m_disc.playing = nullptr;
    }
    bool active() override { return m_disc.playing && !m_disc.playing->atEnd(); }

private:
    FakeDisc& m_disc;
};

// The player on the window's own thread, answering through the event queue as
// the threaded device does, so that window tests need no thread.
class InlineCdDevice final : public CdDevice
{
public:
    explicit InlineCdDevice(FakeDisc& disc)
        : m_drive(disc)
        , m_audio(disc)
        , m_player(m_drive, m_audio)
    {
    }
    void request(CdCommand command, int track) override
    {
        QMetaObject::invokeMethod(
            this, [this, command, track] { emit answered(command, m_player.perform(command, track)); },
            Qt::QueuedConnection);
    }

private:
    FakeCdDrive m_drive;
    FakeAudioOut m_audio;
    CdPlayer m_player;
};

} // namespace plevo::testing
