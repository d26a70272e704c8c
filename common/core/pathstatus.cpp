#include "common/core/pathstatus.h"

#include "common/core/textconversion.h"

#include <filesystem>

namespace kit {
namespace {

std::filesystem::file_status statusOf(const QString& path)
{
    std::error_code unreadable;
    return path.isEmpty() ? std::filesystem::file_status() : std::filesystem::status(toPath(path), unreadable);
}

} // namespace

bool pathExists(const QString& path) { return std::filesystem::exists(statusOf(path)); }
bool isDirectory(const QString& path) { return std::filesystem::is_directory(statusOf(path)); }
bool isRegularFile(const QString& path) { return std::filesystem::is_regular_file(statusOf(path)); }

} // namespace kit
