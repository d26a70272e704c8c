#include "workbench/core/filekind.h"

#include "common/core/fileio.h"
#include "common/core/pathstatus.h"
#include "common/core/textconversion.h"
#include "workbench/core/regionfile.h"
#include "workbench/core/skin.h"

namespace tessel {

FileKind fileKind(const QString& path)
{
    if (kit::isDirectory(path) || isSkinArchive(path))
        return FileKind::Skin;
    if (hasRegionFileName(kit::toPath(path)))
        return FileKind::Region;
    std::string text;
    if (kit::readWholeFile(kit::toPath(path), text, kRegionFileSizeLimit).empty() && holdsRegion(text))
        return FileKind::Region;
    return FileKind::Colour;
}

} // namespace tessel
