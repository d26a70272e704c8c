#include "region_editor/tests/plevotestsupport.h"

#include "region_editor/ui/cdplayerwindow.h"
#include "region_editor/ui/mmcontrol.h"

#include <QLineEdit>
#include <QSemaphore>
#include <QSignalSpy>
#include <QToolButton>

namespace plevo::testing {
namespace {

class CdPlayerWindow : public ::testing::Test
{
protected:
    void open() { window = std::make_unique<Form6>(std::make_unique<InlineCdDevice>(disc), nullptr); }
    QString track() const { return window->findChild<QLineEdit*>("Text1")->text(); }
    QToolButton* button(const char* name) const
    {
        return window->findChild<QToolButton*>(QLatin1String(name) + QLatin1String("Button"));
    }
    void press(const char* name)
    {
        if (QToolButton* b = button(name))
            b->click();
        else
            window->findChild<PictureButton*>(QLatin1String(name))->click();
        QCoreApplication::processEvents();
    }

    FakeDisc disc;
    std::unique_ptr<Form6> window;
};

TEST_F(CdPlayerWindow, TheTrackDisplayFollowsTheButtons)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Plevo CD Player 1.0");
    EXPECT_EQ(window->size(), QSize(300, 63));
    EXPECT_EQ(track(), "Plevo CD 0.1");
    EXPECT_FALSE(button("Play")->isEnabled());

    const std::pair<const char*, const char*> steps[] = {
        {"Image3", "3"}, {"Next", "2"}, {"Play", "2"},  {"Next", "3"}, {"Next", "3"},
        {"Prev", "2"},   {"Stop", "1"}, {"Next", "2"}, {"Eject", "0"},
    };
    for (const auto& [name, shown] : steps) {
        press(name);
        EXPECT_EQ(track(), shown) << name;
    }
    EXPECT_FALSE(button("Play")->isEnabled());
    // Stop rewound to track 1 before stopping; eject also closed the drive.
    EXPECT_EQ(disc.log, (std::vector<std::string>{"open", "sound", "sound stop", "sound", "sound stop", "sound",
                                                  "sound stop", "eject"}));
}

TEST_F(CdPlayerWindow, ADiscThatPlaysOutToItsEndLeavesThePlayerStopped)
{
    disc.tracks = {{1, 0, 1, true}};
    open();
    press("Image3");
    press("Play");
    auto* control = window->findChild<MMControl*>("MMControl1");
    ASSERT_EQ(control->status().mode, CdMode::Playing);
    disc.playing->readAll();
    EXPECT_TRUE(QTest::qWaitFor([&] { return control->status().mode == CdMode::Stopped; }));
    EXPECT_EQ(disc.log.back(), "sound stop");
}

TEST_F(CdPlayerWindow, StopAndEjectAreToldBeforeTheControlActs)
{
    open();
    press("Image3");
    auto* control = window->findChild<MMControl*>("MMControl1");
    std::vector<std::string> order;
    QObject::connect(control, &MMControl::StopClick, [&] { order.push_back("StopClick"); });
    QObject::connect(control, &MMControl::EjectClick, [&] { order.push_back("EjectClick"); });
    QObject::connect(control, &MMControl::Done,
                     [&](CdCommand command, CdStatus) { order.push_back("done " + std::to_string(int(command))); });
    press("Stop");
    press("Eject");
    using C = CdCommand;
    const auto done = [](C c) { return "done " + std::to_string(int(c)); };
    EXPECT_EQ(order, (std::vector<std::string>{"StopClick", done(C::Seek), done(C::Stop), "EjectClick", done(C::Eject),
                                               done(C::Close), done(C::Eject)}));
}

TEST_F(CdPlayerWindow, SaysWhatIsMissing)
{
    for (const auto& [problem, sound, shown] :
         {std::tuple{CdProblem::NoDrive, true, "No drive"}, std::tuple{CdProblem::NoDisc, true, "No disc"},
          std::tuple{CdProblem::None, false, "No sound out"}}) {
        disc = FakeDisc();
        disc.openProblem = problem;
        disc.soundOut = sound;
        open();
        press("Image3");
        if (problem == CdProblem::None)
            press("Play");
        EXPECT_EQ(track(), shown);
    }
    disc = FakeDisc();
    disc.tracks = {{1, 0, 999, false}};
    open();
    press("Image3");
    EXPECT_EQ(track(), "Data disc");
}

// A drive that takes its time to open, the way a real one spins up.
class SlowDrive final : public CdDrive
{
public:
    SlowDrive(FakeDisc& disc, QSemaphore& go, QSemaphore& gone)
        : m_drive(disc)
        , m_go(go)
        , m_gone(gone)
    {
    }
    ~SlowDrive() override { m_gone.release(); }
    CdProblem open(std::vector<CdTrack>& tracks) override
    {
        m_go.acquire();
        return m_drive.open(tracks);
    }
    void close() override { m_drive.close(); }
    void eject() override { m_drive.eject(); }
    bool playAnalog(std::int32_t first, std::int32_t last) override { return m_drive.playAnalog(first, last); }
    void pauseAnalog() override {}
    void resumeAnalog() override {}
    void stopAnalog() override {}
    std::optional<std::int32_t> analogPosition() override { return std::nullopt; }
    std::unique_ptr<CdSectorReader> sectorReader() override { return m_drive.sectorReader(); }

private:
    FakeCdDrive m_drive;
    QSemaphore& m_go;
    QSemaphore& m_gone;
};

TEST_F(CdPlayerWindow, ASlowDriveNeverHoldsUpTheWindow)
{
    QSemaphore go;
    QSemaphore gone;
    window = std::make_unique<Form6>(
        std::make_unique<ThreadedCdDevice>([&] { return std::make_unique<SlowDrive>(disc, go, gone); },
                                           [&] { return std::make_unique<FakeAudioOut>(disc); }),
        nullptr);
    auto* control = window->findChild<MMControl*>("MMControl1");
    QSignalSpy done(control, &MMControl::Done);

    press("Image3"); // returns while the drive is still opening
    EXPECT_EQ(track(), "Plevo CD 0.1");
    EXPECT_EQ(done.count(), 0);
    go.release();
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(track(), "3");

    window.reset();
    EXPECT_TRUE(gone.tryAcquire(1, 10000)); // the worker closed the drive and let it go
    EXPECT_EQ(disc.log.back(), "close");
}

} // namespace
} // namespace plevo::testing
