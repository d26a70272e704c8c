#pragma once

#include <QString>

namespace tessel {

// What a file handed to the workbench is, from the command line or the recent
// files, so that it opens as the command that made it would open it.
enum class FileKind { Skin, Region, Colour };

// A folder or a .wsz or .zip archive is a skin; a file named Region.txt in any
// case, or one that holds "NumPoints=" as a region file does, is a region file
// (the workbench saves regions under any name); anything else, whether it can
// be read or not, is a colour file, whose reader reports what it cannot read.
FileKind fileKind(const QString& path);

} // namespace tessel
