#include "common/core/recentfiles.h"

#include <QDir>

namespace kit {
namespace {

QString cleaned(const QString& path)
{
    return QDir::isAbsolutePath(path) ? QDir::cleanPath(path) : QString();
}

} // namespace

RecentFiles::RecentFiles(const QStringList& stored)
{
    // Added oldest first, so that the newest of any duplicates keeps its place.
    // (Reverse iterators: clang 14 cannot take std::views::reverse of a QList.)
    for (auto path = stored.crbegin(); path != stored.crend(); ++path)
        add(*path);
}

void RecentFiles::add(const QString& path)
{
    const QString entry = cleaned(path);
    if (entry.isEmpty())
        return;
    m_paths.removeAll(entry);
    m_paths.prepend(entry);
    while (m_paths.size() > kCapacity)
        m_paths.removeLast();
}

void RecentFiles::remove(const QString& path) { m_paths.removeAll(cleaned(path)); }

} // namespace kit
