#pragma once

#include "common/core/recentfiles.h"

#include <QByteArray>
#include <QSettings>
#include <QString>

namespace kit {

// The kinds of file whose folders a program remembers apart: the next dialog for
// one kind opens where the last one of that kind was chosen.
enum class FolderKind { SkinPictures, ColourFiles, RegionFiles, SaveTargets };

// What a program remembers between runs: the folders of its file dialogs, its
// recent files and where its windows stood. Nothing here is the author's work, so
// a settings file that is damaged, unreadable or of the wrong shape only means
// starting from the defaults: every getter answers with a sane value whatever the
// file held, and nothing throws.
class Settings
{
public:
    // The running program's settings file, in the platform's place for
    // configuration, or an empty text where the platform names none.
    static QString applicationFile();

    // Reads and writes `file`; with an empty name the settings live in memory
    // only, for as long as this object.
    explicit Settings(const QString& file);
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // The folder last used for `kind`, or an empty text when none was, or when it
    // is no longer a folder.
    QString folder(FolderKind kind) const;
    void setFolder(FolderKind kind, const QString& folder);

    RecentFiles recentFiles() const;
    void setRecentFiles(const RecentFiles& files);

    // What QWidget::saveGeometry gave for the window called `window`, or nothing.
    QByteArray windowGeometry(const QString& window) const;
    void setWindowGeometry(const QString& window, const QByteArray& geometry);

    // Writes what changed now, rather than at the next idle moment or the end.
    void sync();

private:
    QSettings m_store;
};

} // namespace kit
