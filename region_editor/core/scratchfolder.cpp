#include "region_editor/core/scratchfolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace plevo {

ScratchFolder makeScratchFolder(const std::vector<std::filesystem::path>& bases)
{
    ScratchFolder result;
    result.reason = std::strerror(ENOENT);
    for (const std::filesystem::path& base : bases) {
        if (base.empty() || base.is_relative())
            continue;
        std::string pattern = (base / "plevo-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            return {pattern, {}, {}};
        result.refusingBase = base;
        result.reason = std::strerror(errno);
    }
    return result;
}

void removeScratchFolder(const std::filesystem::path& folder)
{
    if (!folder.empty())
        ::rmdir(folder.c_str());
}

} // namespace plevo
