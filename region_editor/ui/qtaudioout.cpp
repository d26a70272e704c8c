#include "region_editor/ui/qtaudioout.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace plevo {

QtAudioOut::QtAudioOut() = default;

QtAudioOut::~QtAudioOut()
{
    stop();
}

bool QtAudioOut::start(QIODevice& source)
{
    stop();
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return false;
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(&source);
    if (m_sink->error() != QAudio::NoError) {
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
    if (!m_sink || m_sink->state() == QAudio::StoppedState)
        return false;
    // The sink also idles when it briefly runs short; only a source at its end has run out.
    return m_sink->state() != QAudio::IdleState || !m_source->atEnd();
}

} // namespace plevo
