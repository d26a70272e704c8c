#pragma once

#include <string>
#include <string_view>
#include <vector>

// Zip archives made in memory, the way authors make them: with or without a
// top folder, with folder entries, stored or deflated. For tests, fuzz seeds
// and benchmarks; nothing touches the disk.
namespace kit::testing {

struct ZipEntry
{
    std::string name;  // a name ending in "/" is a folder entry
    std::string bytes;
    bool deflated = true;
    bool encrypted = false; // AES-256, password "skin"
};

std::string zipArchive(const std::vector<ZipEntry>& entries);

// `archive` with every occurrence of `from` replaced by `to`, which has the same
// length: a way to give a member a name or a size no zip writer would write.
std::string patched(std::string archive, std::string_view from, std::string_view to);

} // namespace kit::testing
