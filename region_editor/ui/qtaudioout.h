#pragma once

#include "region_editor/core/cdplayer.h"

#include <memory>

class QAudioSink;

namespace plevo {

// The desktop's default sound output, through Qt Multimedia. Made and used on the
// CD player's worker thread, where the sink pulls the disc's audio as it plays.
class QtAudioOut final : public CdAudioOut
{
public:
    QtAudioOut();
    ~QtAudioOut() override;

    bool start(QIODevice& source) override;
    void pause() override;
    void resume() override;
    void stop() override;
    bool active() override;

private:
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice* m_source = nullptr;
};

} // namespace plevo
