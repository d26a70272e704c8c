#pragma once

#include "region_editor/core/cdplayer.h"

#include <functional>
#include <memory>

namespace plevo {

// What the CD player asks of the desktop's sound output: a sink that pulls
// 44.1 kHz 16-bit stereo from a source as it plays.
class SoundSink
{
public:
    enum class State { Active, Suspended, Idle, Stopped };

    virtual ~SoundSink() = default;
    // False, starting nothing, where the output failed.
    virtual bool start(QIODevice& source) = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    virtual void stop() = 0;
    // Idle is a sink that has run short of sound, for a moment or for good.
    virtual State state() const = 0;
};

// A sink on the desktop's default output, or null where there is none or it
// cannot play the disc's format.
using SoundSinkMaker = std::function<std::unique_ptr<SoundSink>()>;

// Qt Multimedia's sink on the default output.
std::unique_ptr<SoundSink> makeQtSoundSink();

// The computer's sound output for audio read from the disc. Made and used on the
// CD player's worker thread, where the sink pulls the disc's audio as it plays.
class QtAudioOut final : public CdAudioOut
{
public:
    explicit QtAudioOut(SoundSinkMaker makeSink = makeQtSoundSink);
    ~QtAudioOut() override;

    bool start(QIODevice& source) override;
    void pause() override;
    void resume() override;
    void stop() override;
    bool active() override;

private:
    SoundSinkMaker m_makeSink;
    std::unique_ptr<SoundSink> m_sink;
    QIODevice* m_source = nullptr;
};

} // namespace plevo
