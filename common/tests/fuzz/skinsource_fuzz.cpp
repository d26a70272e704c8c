// Any bytes opened as a skin archive: a refusal always says why; no member the
// skin offers has a name that leaves it; a refused member is never read; and a
// member read whole is exactly as long as it declared, within the bounds.
#include "common/core/skinsource.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

bool staysInside(std::string_view name)
{
    if (name.starts_with('/') || name.find('\\') != std::string_view::npos)
        return false;
    for (size_t start = 0; start <= name.size();) {
        const size_t end = std::min(name.find('/', start), name.size());
        if (name.substr(start, end - start) == "..")
            return false;
        start = end + 1;
    }
    return true;
}

// Small bounds keep each run quick; the checks are the same at any size.
constexpr kit::SkinLimits kLimits {.archiveBytes = 1u << 20, .members = 256, .memberBytes = 256u << 10,
                                   .totalBytes = 1u << 20, .ratio = 100, .ratioFreeBytes = 16u << 10};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const kit::SkinOpen open =
        kit::SkinSource::openArchive(std::string(reinterpret_cast<const char*>(data), size), "fuzz.wsz", kLimits);
    require(!open.skin == !open.reason.empty());
    if (!open.skin) {
        require(open.message == "fuzz.wsz: " + open.reason);
        return 0;
    }

    std::uint64_t total = 0;
    for (const kit::SkinMember& member : open.skin->members()) {
        const std::string& name = member.name;
        require(staysInside(name));
        const kit::SkinRead read = open.skin->read(member);
        if (!member.refusal.empty()) {
            require(read.error == member.refusal && read.bytes.empty());
            continue;
        }
        require(member.size <= kLimits.memberBytes);
        if (read.error.empty() && !member.directory) {
            require(read.bytes.size() == member.size);
            total += read.bytes.size();
        }
        if (!name.empty() && !member.directory && name.find('/') == std::string::npos)
            require(open.skin->find(name) != nullptr);
    }
    require(total <= kLimits.totalBytes);
    return 0;
}
