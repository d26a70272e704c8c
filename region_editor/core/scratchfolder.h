#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace plevo {

// Every running copy of Plevo keeps its scratch files in a folder of its own,
// so that copies started side by side, or by different users, never read, empty
// or delete each other's points.
//
// Makes a new, empty folder open to its owner only (mode 0700) under a name that
// no other process gets ("plevo-" and six random letters, made the way mkdtemp
// makes them), inside the first of `bases` that takes one. A base that is empty
// or relative is passed over: the files never land in whatever directory the
// program happened to be started from.
struct ScratchFolder
{
    std::filesystem::path path; // empty when no base took a folder
    std::filesystem::path refusingBase; // then the last base tried, if any
    std::string reason;                 // and the system's reason
};
ScratchFolder makeScratchFolder(const std::vector<std::filesystem::path>& bases);

// Removes the folder once the scratch files in it are gone. A folder that still
// holds something stays, with what it holds.
void removeScratchFolder(const std::filesystem::path& folder);

} // namespace plevo
