#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Whole-file reads and writes for the kit's small text and picture files.
// Failures come back as the system's reason (strerror text), never as exceptions,
// so that a window can show them to the author as they are.
namespace kit {

// Replaces `target` with exactly `bytes`. The bytes go to a temporary file in the
// target's directory first, which is renamed over the target only once it is
// complete, so a failure (no permission, vanished directory, full disk) leaves an
// existing target untouched and no partial file behind. A replaced file keeps its
// permission bits; a new one gets the usual ones for the process's umask.
// Returns an empty string on success, otherwise the reason.
[[nodiscard]] std::string replaceFile(const std::filesystem::path& target, std::string_view bytes);

// Reads the whole of `path` into `bytes`. Returns an empty string on success,
// otherwise the reason; `bytes` is left unchanged on failure.
[[nodiscard]] std::string readWholeFile(const std::filesystem::path& path, std::string& bytes);

} // namespace kit
