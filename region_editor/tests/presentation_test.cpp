#include "region_editor/tests/virtualpacer.h"
#include "region_editor/ui/aboutwindow.h"
#include "region_editor/ui/creditswindow.h"
#include "region_editor/ui/picturebutton.h"
#include "region_editor/ui/splashwindow.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace plevo::testing {
namespace {

using namespace std::chrono_literals;

TEST(Splash, GivesWayToTheMainWindowOnceAfterThreeSeconds)
{
    VirtualPacer pacer;
    const auto start = pacer.now();
    std::vector<std::chrono::milliseconds> mainWindowShown;
    QPointer<Form2> splash = new Form2(pacer, [&] { mainWindowShown.push_back(pacer.now() - start); });
    bool shownWhileWaiting = true;
    pacer.onWait = [&] { shownWhileWaiting = shownWhileWaiting && splash->isVisible() && mainWindowShown.empty(); };
    EXPECT_EQ(splash->size(), QSize(464, 232));

    splash->run();
    EXPECT_TRUE(shownWhileWaiting);
    EXPECT_EQ(mainWindowShown, (std::vector<std::chrono::milliseconds>{3000ms}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
}

TEST(Splash, ClosedWhileItWaitsStillGivesWayToTheMainWindow)
{
    VirtualPacer pacer;
    int mainWindowShown = 0;
    QPointer<Form2> splash = new Form2(pacer, [&] { ++mainWindowShown; });
    pacer.onWait = [&] {
        if (splash) {
            splash->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    };
    splash->run();
    EXPECT_TRUE(splash.isNull());
    EXPECT_EQ(mainWindowShown, 1);
}

TEST(About, TheIconSlidesInAfterASecondAndEnterOrEscapeCloses)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        VirtualPacer pacer;
        QPointer<frmAbout> about = new frmAbout(pacer, nullptr);
        about->setAttribute(Qt::WA_DeleteOnClose);
        auto* icon = about->findChild<QLabel*>("Image1");
        std::vector<int> iconAtWaits;
        pacer.onWait = [&] { iconAtWaits.push_back(icon->x()); };

        about->showAndSlide();
        EXPECT_EQ(about->windowTitle(), "About Plevo");
        EXPECT_EQ(about->size(), QSize(274, 206));
        EXPECT_EQ(about->findChild<QLabel*>("lblDescription")->y(), 104); // 1560 twips
        EXPECT_EQ(iconAtWaits, (std::vector<int>{-99})); // outside the window for the whole second
        EXPECT_EQ(pacer.now(), 2000ms);
        EXPECT_EQ(icon->x(), 16); // 235 twips

        QTest::keyClick(about.data(), key);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(about.isNull()) << key;
    }
}

TEST(Credits, ScrollUntilTheCrossAndEndOnlyThen)
{
    VirtualPacer pacer;
    Form9 credits(pacer, nullptr);
    QSignalSpy ended(&credits, &Form9::ended);
    auto* text = credits.findChild<QLabel*>("Label1");
    std::vector<int> tops;
    pacer.onWait = [&] {
        EXPECT_EQ(ended.count(), 0);
        tops.push_back(text->y());
        if (tops.size() == 5)
            QTest::mouseClick(credits.findChild<PictureButton*>("Image1"), Qt::LeftButton, {}, QPoint(10, 10));
    };

    credits.run();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(tops, (std::vector<int>{172, 171, 169, 168, 167})); // 2580 to 2500 twips, 20 a step
    EXPECT_EQ(pacer.now(), 1500ms);                                // 0.1 s a step
    EXPECT_EQ(credits.size(), QSize(250, 243));
}

} // namespace
} // namespace plevo::testing
