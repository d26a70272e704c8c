#include "common/ui/recentfilesmenu.h"

#include "common/core/settings.h"
#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include <filesystem>

namespace kit {

QString recentFileCaption(int index, const QString& path, int maximumCharacters)
{
    QString shown = QDir::toNativeSeparators(displayPath(path));
    if (shown.size() > maximumCharacters) {
        const qsizetype kept = maximumCharacters - 3;
        shown = shown.left(kept / 2) + QStringLiteral("...") + shown.right(kept - kept / 2);
    }
    // A '&' of the name must show as itself, not take the accelerator.
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const int number = index + 1;
    const QString accelerator = number < 10 ? QStringLiteral("&%1").arg(number) : QStringLiteral("1&0");
    return accelerator + QLatin1Char(' ') + shown;
}

RecentFilesMenu::RecentFilesMenu(Settings& settings, Dialogs& dialogs, QWidget* window,
                                 std::function<void(const QString&)> open)
    : QObject(window)
    , m_settings(settings)
    , m_dialogs(dialogs)
    , m_window(window)
    , m_open(std::move(open))
    , m_menu(new QMenu(QStringLiteral("Recent &Files"), window))
{
    m_menu->setObjectName(QStringLiteral("mnuFileRecent"));
    m_menu->setToolTipsVisible(true);
    rebuild();
}

void RecentFilesMenu::add(const QString& path)
{
    RecentFiles files = m_settings.recentFiles();
    files.add(QFileInfo(path).absoluteFilePath());
    m_settings.setRecentFiles(files);
    rebuild();
}

void RecentFilesMenu::choose(const QString& path)
{
    std::error_code unreadable;
    if (std::filesystem::exists(toPath(path), unreadable)) { // the path may keep bytes QFileInfo cannot pass on
        m_open(path);
        return;
    }
    RecentFiles files = m_settings.recentFiles();
    files.remove(path);
    m_settings.setRecentFiles(files);
    rebuild();
    m_dialogs.message(m_window, QStringLiteral("Recent Files"),
                      QStringLiteral("%1 is no longer there, so it has been taken off the list of recent files.")
                          .arg(QDir::toNativeSeparators(displayPath(path))),
                      MessageButtons::Ok, MessageIcon::Exclamation);
}

void RecentFilesMenu::clear()
{
    m_settings.setRecentFiles(RecentFiles());
    rebuild();
}

void RecentFilesMenu::rebuild()
{
    // The entries are rebuilt from their own triggered signals, so the old ones
    // are deleted once that signal has returned.
    for (QAction* old : m_menu->actions()) {
        m_menu->removeAction(old);
        old->deleteLater();
    }
    const QStringList paths = m_settings.recentFiles().paths();
    for (int index = 0; index < static_cast<int>(paths.size()); ++index) {
        const QString& path = paths[index];
        QAction* entry = m_menu->addAction(recentFileCaption(index, path));
        entry->setToolTip(QDir::toNativeSeparators(displayPath(path)));
        connect(entry, &QAction::triggered, this, [this, path] { choose(path); });
    }
    m_menu->addSeparator();
    QAction* clearAction = m_menu->addAction(QStringLiteral("&Clear"), this, &RecentFilesMenu::clear);
    clearAction->setObjectName(QStringLiteral("mnuFileRecentClear"));
    m_menu->setEnabled(!paths.isEmpty());
}

} // namespace kit
