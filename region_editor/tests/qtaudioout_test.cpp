#include "region_editor/cdsound/qtaudioout.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

using State = plevo::SoundSink::State;

struct SinkLog
{
    bool starts = true;
    State state = State::Active;
    std::vector<std::string> calls;
};

class FakeSink final : public plevo::SoundSink
{
public:
    explicit FakeSink(SinkLog& log)
        : m_log(log)
    {
    }
    bool start(QIODevice&) override { return note("start"), m_log.starts; }
    void suspend() override { note("suspend"); }
    void resume() override { note("resume"); }
    void stop() override { note("stop"); }
    State state() const override { return m_log.state; }

private:
    void note(const char* call) { m_log.calls.emplace_back(call); }
    SinkLog& m_log;
};

TEST(QtAudioOut, PlaysWhileTheSinkPlaysOrRunsShortOfASourceWithMoreToCome)
{
    QByteArray sound(16, 'x');
    QBuffer source(&sound);
    source.open(QIODevice::ReadOnly);
    SinkLog log;
    plevo::QtAudioOut out([&log] { return std::make_unique<FakeSink>(log); });
    EXPECT_FALSE(out.active());
    ASSERT_TRUE(out.start(source));

    const struct
    {
        State state;
        bool sourceAtEnd;
        bool active;
    } cases[] = {
        {State::Active, false, true}, {State::Suspended, false, true}, {State::Idle, false, true},
        {State::Idle, true, false},   {State::Stopped, false, false},
    };
    for (const auto& c : cases) {
        log.state = c.state;
        source.seek(c.sourceAtEnd ? sound.size() : 0);
        EXPECT_EQ(out.active(), c.active) << static_cast<int>(c.state) << " " << c.sourceAtEnd;
    }
    out.pause();
    out.resume();
    out.stop();
    EXPECT_FALSE(out.active());
    EXPECT_EQ(log.calls, (std::vector<std::string>{"start", "suspend", "resume", "stop"}));
}

TEST(QtAudioOut, StartsNothingWithoutAnOutputOrWhenTheSinkFails)
{
    QBuffer source;
    source.open(QIODevice::ReadOnly);
    plevo::QtAudioOut none([] { return nullptr; });
    EXPECT_FALSE(none.start(source));
    EXPECT_FALSE(none.active());

    SinkLog log;
    log.starts = false;
    plevo::QtAudioOut failing([&log] { return std::make_unique<FakeSink>(log); });
    EXPECT_FALSE(failing.start(source));
    EXPECT_FALSE(failing.active());
    failing.pause(); // nothing left to pause
    EXPECT_EQ(log.calls, (std::vector<std::string>{"start"}));
}

} // namespace
