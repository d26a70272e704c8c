#include "common/ui/rememberedfolders.h"

#include <QFileInfo>

namespace kit {
namespace {

template <class Run> QString chooseFile(Settings& settings, FolderKind kind, FileRequest request, Run run)
{
    if (const QString remembered = settings.folder(kind); !remembered.isEmpty())
        request.directory = remembered;
    const QString path = run(request);
    if (!path.isEmpty())
        settings.setFolder(kind, QFileInfo(path).absolutePath());
    return path;
}

} // namespace

QString openFileRemembering(Dialogs& dialogs, Settings& settings, QWidget* parent, FolderKind kind,
                            FileRequest request)
{
    return chooseFile(settings, kind, std::move(request),
                      [&](const FileRequest& shown) { return dialogs.openFile(parent, shown); });
}

QString saveFileRemembering(Dialogs& dialogs, Settings& settings, QWidget* parent, FolderKind kind,
                            FileRequest request)
{
    return chooseFile(settings, kind, std::move(request),
                      [&](const FileRequest& shown) { return dialogs.saveFile(parent, shown); });
}

QString chooseDirectoryRemembering(Dialogs& dialogs, Settings& settings, QWidget* parent, FolderKind kind,
                                   const QString& title, const QString& startDirectory)
{
    const QString remembered = settings.folder(kind);
    const QString chosen = dialogs.chooseDirectory(parent, title, remembered.isEmpty() ? startDirectory : remembered);
    if (!chosen.isEmpty())
        settings.setFolder(kind, QFileInfo(chosen).absoluteFilePath());
    return chosen;
}

} // namespace kit
