#include "common/core/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kit {
namespace {

QString folderKey(FolderKind kind)
{
    switch (kind) {
    case FolderKind::SkinPictures: return QStringLiteral("Folders/SkinPictures");
    case FolderKind::ColourFiles: return QStringLiteral("Folders/ColourFiles");
    case FolderKind::RegionFiles: return QStringLiteral("Folders/RegionFiles");
    case FolderKind::SaveTargets: return QStringLiteral("Folders/SaveTargets");
    }
    return {};
}

const QString kRecentFilesKey = QStringLiteral("RecentFiles");

QString geometryKey(const QString& window) { return QStringLiteral("Windows/%1/Geometry").arg(window); }

// A value read back as the type it was written with, or `fallback` when the file
// holds something else under that key.
template <class T> T storedValue(const QSettings& store, const QString& key, T fallback = {})
{
    const QVariant value = store.value(key);
    return value.canConvert<T>() ? value.value<T>() : fallback;
}

} // namespace

QString Settings::applicationFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    // A relative place would put the file in the working directory.
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return {};
    return QDir(folder).filePath(QStringLiteral("settings.ini"));
}

Settings::Settings(const QString& file)
    : m_store(file, QSettings::IniFormat)
{
    // A file that could not be parsed gives the defaults and is written afresh
    // at the next change, rather than keeping the half that happened to parse.
    static_cast<void>(m_store.allKeys());
    if (m_store.status() == QSettings::FormatError)
        m_store.clear();
}

QString Settings::folder(FolderKind kind) const
{
    const QString folder = storedValue<QString>(m_store, folderKey(kind));
    if (!QDir::isAbsolutePath(folder) || !QFileInfo(folder).isDir())
        return {};
    return folder;
}

void Settings::setFolder(FolderKind kind, const QString& folder) { m_store.setValue(folderKey(kind), folder); }

RecentFiles Settings::recentFiles() const { return RecentFiles(storedValue<QStringList>(m_store, kRecentFilesKey)); }

void Settings::setRecentFiles(const RecentFiles& files) { m_store.setValue(kRecentFilesKey, files.paths()); }

QByteArray Settings::windowGeometry(const QString& window) const
{
    return storedValue<QByteArray>(m_store, geometryKey(window));
}

void Settings::setWindowGeometry(const QString& window, const QByteArray& geometry)
{
    m_store.setValue(geometryKey(window), geometry);
}

void Settings::sync() { m_store.sync(); }

} // namespace kit
