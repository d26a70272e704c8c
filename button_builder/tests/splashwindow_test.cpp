#include "button_builder/ui/splashwindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class Splash : public ::testing::Test
{
protected:
    QPointer<knapro::frmSplash> start(const QString& directory)
    {
        return new knapro::frmSplash(directory.toStdString(), [this] { ++mainWindowsOpened; });
    }
    static QString times(knapro::frmSplash* splash) { return splash->findChild<QLabel*>("lblTimes")->text(); }
    static void unload() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir dir;
    int mainWindowsOpened = 0;
};

} // namespace

TEST_F(Splash, CountsEachStartAndStartsEvenWhenTheCounterCannotBeWritten)
{
    delete start(dir.path()).data();
    QPointer<knapro::frmSplash> second = start(dir.path());
    EXPECT_EQ(second->findChild<QLabel*>("lblTitle")->text(), "Knapro\r");
    EXPECT_EQ(times(second), "For the record, this is your 2nd time.");
    delete second;

    QPointer<knapro::frmSplash> unwritable = start(dir.filePath("vanished"));
    EXPECT_EQ(times(unwritable), "For the record, this is your 1st time.");
    delete unwritable;
    EXPECT_EQ(mainWindowsOpened, 0);
}

TEST_F(Splash, WhicheverOfButtonAndTimerComesFirstOpensTheMainWindowOnce)
{
    for (const bool buttonFirst : {true, false}) {
        SCOPED_TRACE(buttonFirst ? "button first" : "timer first");
        mainWindowsOpened = 0;
        QPointer<knapro::frmSplash> splash = start(dir.path());
        splash->show();
        auto* timer = splash->findChild<QTimer*>("tmrSplash");
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 2000);
        // Fired by hand rather than waited for; the signal is what the window listens to.
        const auto timeout = [timer] { QMetaObject::invokeMethod(timer, "timeout"); };
        const auto click = [&splash] { splash->findChild<QPushButton*>("cmdOK")->click(); };

        buttonFirst ? click() : timeout();
        EXPECT_EQ(mainWindowsOpened, 1);
        EXPECT_FALSE(timer->isActive());
        EXPECT_TRUE(splash->isHidden());
        // The other one, already on its way when the first won, changes nothing.
        buttonFirst ? timeout() : click();
        EXPECT_EQ(mainWindowsOpened, 1);
        unload();
        EXPECT_TRUE(splash.isNull());
    }
}
