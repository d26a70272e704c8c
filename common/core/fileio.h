#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Whole-file reads and writes for the kit's small text and picture files.
// Failures come back as the system's reason (strerror text), never as exceptions,
// so that a window can show them to the author as they are.
namespace kit {

// Replaces the file at `target` with exactly `bytes`, the way an author expects a
// save to behave:
// - The bytes go to a temporary file beside the file, which is renamed over it only
//   once it is complete, so a failure (vanished directory, full disk) leaves the
//   old file untouched and no partial or temporary file behind.
// - A symbolic link is followed: its final target gets the bytes and the link stays.
//   In a sticky, world-writable folder (/tmp) a link is followed only where the
//   kernel's protected_symlinks would follow it: when it belongs to this user or
//   to the folder's owner. Any other link there is refused with "Permission denied".
// - A file marked read-only (no write permission bit at all, or none for this user)
//   is refused with "Permission denied", even for a user who could override the
//   mark, as root can: the read-only mark skin authors know from Windows. A file
//   on a read-only mount is refused with "Read-only file system".
// - A replaced file keeps its permission bits (and its owner where the process may
//   set it); a new one gets the usual bits for the process's umask.
// - Where the directory refuses a new file, or a sticky folder refuses to let this
//   user replace another's file, but the existing file may be written, the
//   finished content is written into that file directly, under an advisory lock
//   (flock) so that two such saves never mix; its room is reserved first, so a
//   full disk still leaves the old content whole.
// - The temporary name fits the file system whatever the target's name.
// Returns an empty string on success, otherwise the reason.
[[nodiscard]] std::string replaceFile(const std::filesystem::path& target, std::string_view bytes);

// A program's scratch files are its own working state, not the author's document:
// they are written straight into the file, without the temporary copy and the
// flush to disk that a save gets, so that a click costs no disk wait. Both refuse
// a symbolic link ("Too many levels of symbolic links"), since nothing but the
// program's own files belongs in its scratch folder. writeScratchFile creates the
// file (mode 0600) or replaces what it holds; appendToScratchFile adds to an existing one.
// Both return an empty string on success, otherwise the reason.
[[nodiscard]] std::string writeScratchFile(const std::filesystem::path& file, std::string_view bytes);
[[nodiscard]] std::string appendToScratchFile(const std::filesystem::path& file, std::string_view bytes);

// Reads the whole of the regular file `path` into `bytes`, refusing anything else
// (a directory, a FIFO, a device: "Is a directory", "Not a regular file") without
// ever waiting on it, and any file longer than `sizeLimit` ("File too large").
// Returns an empty string on success, otherwise the reason; `bytes` is left
// unchanged on failure.
[[nodiscard]] std::string readWholeFile(const std::filesystem::path& path, std::string& bytes,
                                        std::uintmax_t sizeLimit);

// The names in `folder`, with the bytes the file system gave them, of the
// entries that are (or link to) regular files, or to folders; "." and ".."
// never. Empty when the folder cannot be read. Unsorted.
enum class EntryKind { File, Folder };
std::vector<std::string> folderEntries(const std::filesystem::path& folder, EntryKind kind);

// The reason a non-regular file is refused with.
inline constexpr std::string_view kNotARegularFile = "Not a regular file";

} // namespace kit
