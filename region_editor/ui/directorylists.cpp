#include "region_editor/ui/directorylists.h"

#include "common/core/fileio.h"
#include "common/core/textconversion.h"
#include "region_editor/ui/icons.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>

namespace plevo {
namespace {

constexpr int kPathRole = Qt::UserRole;

// Worked out on the text alone: the path's names may hold bytes that Qt's own
// file classes cannot pass on (see kit::fromPath).
QStringList ancestorsOf(const QString& path)
{
    QStringList chain {QStringLiteral("/")};
    for (const QString& name : path.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        chain << (chain.size() == 1 ? QString() : chain.last()) + QLatin1Char('/') + name;
    return chain;
}

QString childPath(const QString& folder, const QString& name)
{
    return (folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/')) + name;
}

// Kernel and runtime file systems hold nothing an author saves into.
bool isAuthorVolume(const QStorageInfo& volume)
{
    if (!volume.isValid() || !volume.isReady())
        return false;
    const QString root = volume.rootPath();
    for (const char* hidden : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot/efi"}) {
        const QString prefix = QLatin1String(hidden);
        if ((root == prefix || root.startsWith(prefix + QLatin1Char('/'))) && !root.startsWith(QLatin1String("/run/media")))
            return false;
    }
    return true;
}

} // namespace

DirectoryList::DirectoryList(QWidget* parent)
    : QListWidget(parent)
{
    setIconSize(QSize(16, 16));
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(kPathRole).toString()); });
}

void DirectoryList::setPath(const QString& path)
{
    const QString cleaned = QDir::cleanPath(QDir::isAbsolutePath(path) ? path : childPath(QDir::currentPath(), path));
    if (cleaned == m_path)
        return;
    m_path = cleaned;
    rebuild();
}

void DirectoryList::rebuild()
{
    clear();
    const QIcon openFolder(iconPixmap(Icon::FolderOpen));
    const QIcon closedFolder(iconPixmap(Icon::FolderClosed));
    const QString indentStep = QStringLiteral("  ");

    const QStringList ancestors = ancestorsOf(m_path);
    int depth = 0;
    for (const QString& ancestor : ancestors) {
        const QString name = depth == 0 ? ancestor : ancestor.mid(ancestor.lastIndexOf(QLatin1Char('/')) + 1);
        auto* item = new QListWidgetItem(openFolder, indentStep.repeated(depth) + kit::displayPath(name), this);
        item->setData(kPathRole, ancestor);
        item->setToolTip(kit::displayPath(ancestor));
        ++depth;
    }
    setCurrentRow(count() - 1);

    QStringList children;
    for (const std::string& child : kit::folderEntries(kit::toPath(m_path), kit::EntryKind::Folder))
        children << kit::fromPath(child);
    std::sort(children.begin(), children.end(), [](const QString& a, const QString& b) {
        return kit::displayPath(a).compare(kit::displayPath(b), Qt::CaseInsensitive) < 0;
    });
    for (const QString& child : children) {
        auto* item = new QListWidgetItem(closedFolder, indentStep.repeated(depth) + kit::displayPath(child), this);
        item->setData(kPathRole, childPath(m_path, child));
    }
    scrollToItem(currentItem());
}

DriveList::DriveList(QWidget* parent)
    : QComboBox(parent)
{
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    volumes.erase(std::remove_if(volumes.begin(), volumes.end(), [](const QStorageInfo& v) { return !isAuthorVolume(v); }),
                  volumes.end());
    std::sort(volumes.begin(), volumes.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
        if (a.isRoot() != b.isRoot())
            return a.isRoot();
        return a.rootPath() < b.rootPath();
    });
    QStringList roots;
    for (const QStorageInfo& volume : volumes) {
        if (roots.contains(volume.rootPath()))
            continue;
        roots << volume.rootPath();
        const QString label = volume.name().isEmpty() || volume.isRoot()
                                  ? volume.rootPath()
                                  : QStringLiteral("%1 [%2]").arg(volume.rootPath(), volume.name());
        addItem(label, volume.rootPath());
    }
    if (!roots.contains(QDir::rootPath()))
        insertItem(0, QDir::rootPath(), QDir::rootPath());

    connect(this, &QComboBox::activated, this, [this](int index) { emit rootChosen(itemData(index).toString()); });
}

void DriveList::showDriveOf(const QString& path)
{
    const int index = findData(QStorageInfo(path).rootPath());
    setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace plevo
