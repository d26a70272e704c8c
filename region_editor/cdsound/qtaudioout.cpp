#include "region_editor/cdsound/qtaudioout.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace plevo {
namespace {

class QtSoundSink final : public SoundSink
{
public:
    QtSoundSink(const QAudioDevice& device, const QAudioFormat& format)
        : m_sink(device, format)
    {
    }

    bool start(QIODevice& source) override
    {
        m_sink.start(&source);
        return m_sink.error() == QAudio::NoError;
    }
    void suspend() override { m_sink.suspend(); }
    void resume() override { m_sink.resume(); }
    void stop() override { m_sink.stop(); }
    State state() const override
    {
        switch (m_sink.state()) {
        case QAudio::ActiveState: return State::Active;
        case QAudio::SuspendedState: return State::Suspended;
        case QAudio::IdleState: return State::Idle;
        case QAudio::StoppedState: break;
        }
        return State::Stopped;
    }

private:
    QAudioSink m_sink;
};

} // namespace

std::unique_ptr<SoundSink> makeQtSoundSink()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return nullptr;
    return std::make_unique<QtSoundSink>(device, format);
}

QtAudioOut::QtAudioOut(SoundSinkMaker makeSink)
    : m_makeSink(std::move(makeSink))
{
}

QtAudioOut::~QtAudioOut()
{
    stop();
}

bool QtAudioOut::start(QIODevice& source)
{
    stop();
    m_sink = m_makeSink();
    if (!m_sink)
        return false;
    if (!m_sink->start(source)) {
        m_sink.reset();
        return false;
    }
    m_source = &source;
    return true;
}

void QtAudioOut::pause()
{
    if (m_sink)
        m_sink->suspend();
}

void QtAudioOut::resume()
{
    if (m_sink)
        m_sink->resume();
}

void QtAudioOut::stop()
{
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
    m_source = nullptr;
}

bool QtAudioOut::active()
{
    if (!m_sink || m_sink->state() == SoundSink::State::Stopped)
        return false;
    // The sink also idles when it briefly runs short; only a source at its end has run out.
    return m_sink->state() != SoundSink::State::Idle || !m_source->atEnd();
}

} // namespace plevo
