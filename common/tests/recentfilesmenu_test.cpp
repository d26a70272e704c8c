#include "common/testing/qtprinters.h"
#include "common/testing/scripteddialogs.h"
#include "common/testing/temporarysettings.h"
#include "common/ui/recentfilesmenu.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QStringList captions(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QAction* entry(const QMenu* menu, int index) { return menu->actions().value(index); }

} // namespace

TEST(RecentFilesMenu, CaptionsNumberTheEntriesAndShowTheirNamesAsTheyAre)
{
    const struct
    {
        int index;
        QString path;
        QString caption;
    } cases[] = {
        {0, "/skins/Blue/main.bmp", "&1 /skins/Blue/main.bmp"},
        {8, "/skins/R&B/eq.bmp", "&9 /skins/R&&B/eq.bmp"},
        {9, "/skins/x.bmp", "1&0 /skins/x.bmp"},
        {1, "/a/very/long/folder/name/for/a/skin/that/goes/on/main.bmp", "&2 /a/very/long/folde...at/goes/on/main.bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kit::recentFileCaption(c.index, c.path, 40), c.caption) << c.path.toStdString();
}

TEST(RecentFilesMenu, OpensEntriesThatExistAndTakesOffOneThatHasGoneSayingSo)
{
    QTemporaryDir dir;
    kit::testing::TemporarySettings settings;
    kit::testing::ScriptedDialogs dialogs;
    QWidget window;
    QStringList opened;
    kit::RecentFilesMenu recent(*settings, dialogs, &window, [&](const QString& path) { opened << path; });
    EXPECT_FALSE(recent.menu()->isEnabled());

    const QString kept = dir.filePath("main.bmp"), gone = dir.filePath("eq.bmp");
    for (const QString& path : {kept, gone}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    recent.add(kept);
    recent.add(gone);
    ASSERT_TRUE(QFile::remove(gone));
    EXPECT_EQ(captions(recent.menu()), QStringList({"&1 " + gone, "&2 " + kept, "-", "&Clear"}));

    entry(recent.menu(), 1)->trigger();
    EXPECT_EQ(opened, QStringList {kept});
    entry(recent.menu(), 0)->trigger();
    EXPECT_EQ(opened, QStringList {kept}) << "a file that has gone is not opened";
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const kit::testing::DialogCall said = dialogs.messages().front();
    EXPECT_EQ(said.title, "Recent Files");
    EXPECT_EQ(said.text, gone + " is no longer there, so it has been taken off the list of recent files.");
    EXPECT_EQ(said.icon, kit::MessageIcon::Exclamation);
    EXPECT_EQ(captions(recent.menu()), QStringList({"&1 " + kept, "-", "&Clear"}));
    EXPECT_EQ(settings->recentFiles().paths(), QStringList {kept}) << "and off the stored list";

    recent.menu()->findChild<QAction*>("mnuFileRecentClear")->trigger();
    EXPECT_TRUE(settings->recentFiles().isEmpty());
    EXPECT_FALSE(recent.menu()->isEnabled());
}
