#pragma once

#include <QComboBox>
#include <QListWidget>

namespace plevo {

// A classic directory list: the current directory's ancestors from the root down,
// each one step further indented, then the current directory's sub-folders.
// Activating an entry (double click or Enter) moves there; a single click only
// selects. The current directory is what a save writes to.
class DirectoryList : public QListWidget
{
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString& path);

private:
    void rebuild();

    QString m_path;
};

// The mounted file systems, the root first; choosing one emits rootChosen.
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    // Shows the file system that holds `path`.
    void showDriveOf(const QString& path);

signals:
    void rootChosen(const QString& rootPath);
};

} // namespace plevo
