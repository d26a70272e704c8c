#include "common/core/settings.h"

#include "common/core/pathstatus.h"
#include "common/core/textconversion.h"

#include <QDir>
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

// Paths are stored as their bytes: QSettings would write the lone surrogate that
// keeps a byte which is not UTF-8 (see textconversion.h) as U+FFFD, which names
// no file. Files written before hold paths as text, which is read as it stands.
QVariant storedPath(const QString& path) { return QByteArray::fromStdString(toPath(path).native()); }

QString pathFrom(const QVariant& value)
{
    if (value.typeId() == QMetaType::QByteArray)
        return fromPath(value.toByteArray().toStdString());
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    return {};
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
    const QString folder = pathFrom(m_store.value(folderKey(kind)));
    if (!QDir::isAbsolutePath(folder) || !isDirectory(folder))
        return {};
    return folder;
}

void Settings::setFolder(FolderKind kind, const QString& folder)
{
    m_store.setValue(folderKey(kind), storedPath(folder));
}

RecentFiles Settings::recentFiles() const
{
    // A list of one is read back as its one value.
    const QVariant stored = m_store.value(kRecentFilesKey);
    const bool isList = stored.typeId() == QMetaType::QVariantList || stored.typeId() == QMetaType::QStringList;
    QStringList paths;
    for (const QVariant& entry : isList ? stored.toList() : QVariantList{stored})
        paths.append(pathFrom(entry));
    return RecentFiles(paths);
}

void Settings::setRecentFiles(const RecentFiles& files)
{
    QVariantList stored;
    for (const QString& path : files.paths())
        stored.append(storedPath(path));
    m_store.setValue(kRecentFilesKey, stored);
}

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
