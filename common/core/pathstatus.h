#pragma once

#include <QString>

// What the file system says of a path held as text, which may keep bytes that
// are not UTF-8 (see textconversion.h). Qt's QFileInfo would ask about a
// different name for such a path, so these ask with the path's own bytes.
// Links are followed, and a path that cannot be asked about is none of these.
namespace kit {

bool pathExists(const QString& path);
bool isDirectory(const QString& path);
bool isRegularFile(const QString& path);

} // namespace kit
