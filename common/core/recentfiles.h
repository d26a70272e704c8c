#pragma once

#include <QString>
#include <QStringList>

namespace kit {

// The files a program opened last, newest first: at most ten, each once. Only
// absolute paths are kept, written the short way (no "." or ".." steps, no doubled
// separators), so that a list read back from settings can never name a file
// relative to whatever folder the program was started in.
class RecentFiles
{
public:
    static constexpr qsizetype kCapacity = 10;

    RecentFiles() = default;
    // A list as it was stored; whatever breaks the rules above is dropped.
    explicit RecentFiles(const QStringList& stored);

    // Puts `path` at the top; an earlier entry of the same file moves up with it,
    // and the oldest entry goes when the list would pass its capacity.
    void add(const QString& path);
    void remove(const QString& path);
    void clear() { m_paths.clear(); }

    const QStringList& paths() const { return m_paths; }
    bool isEmpty() const { return m_paths.isEmpty(); }

private:
    QStringList m_paths;
};

} // namespace kit
