#pragma once

#include "common/core/settings.h"
#include "common/ui/dialogs.h"

namespace kit {

// File dialogs that open in the folder last used for their kind of file. Where no
// folder of that kind is remembered yet, or it has gone, the request's own folder
// stands; the request's file name is kept either way. Only a chosen path is
// remembered: a cancelled dialog changes nothing.
QString openFileRemembering(Dialogs& dialogs, Settings& settings, QWidget* parent, FolderKind kind,
                            FileRequest request);
QString saveFileRemembering(Dialogs& dialogs, Settings& settings, QWidget* parent, FolderKind kind,
                            FileRequest request);
// The chosen folder itself is remembered, so the next choice starts inside it.
QString chooseDirectoryRemembering(Dialogs& dialogs, Settings& settings, QWidget* parent, FolderKind kind,
                                   const QString& title, const QString& startDirectory);

} // namespace kit
