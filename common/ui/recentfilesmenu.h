#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMenu;
class QWidget;

namespace kit {

class Dialogs;
class Settings;

// A program's "Recent Files" submenu, kept in its settings: the entries newest
// first, numbered for the keyboard, then "Clear". Choosing an entry whose file has
// gone takes it off the list and says so; any other entry is handed to `open`,
// which is expected to call add() once the file has opened.
class RecentFilesMenu : public QObject
{
    Q_OBJECT
public:
    RecentFilesMenu(Settings& settings, Dialogs& dialogs, QWidget* window,
                    std::function<void(const QString&)> open);

    QMenu* menu() const { return m_menu; }
    void add(const QString& path);
    void choose(const QString& path);
    void clear();

private:
    void rebuild();

    Settings& m_settings;
    Dialogs& m_dialogs;
    QWidget* m_window;
    std::function<void(const QString&)> m_open;
    QMenu* m_menu;
};

// The text of entry `index` (from 0) of the menu: its number as the accelerator,
// then the path as the desktop writes paths, shortened in the middle where it is
// long.
QString recentFileCaption(int index, const QString& path, int maximumCharacters = 60);

} // namespace kit
