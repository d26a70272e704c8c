#include "fileio.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit {
namespace {

std::string reasonFor(int error) { return std::strerror(error); }

mode_t modeForNewFile()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

} // namespace

std::string replaceFile(const std::filesystem::path& target, std::string_view bytes)
{
    const std::filesystem::path directory = target.has_parent_path() ? target.parent_path() : ".";
    std::string hiddenName = ".";
    hiddenName += target.filename().string();
    hiddenName += ".XXXXXX";
    std::string pattern = (directory / hiddenName).string();

    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return reasonFor(errno);

    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : modeForNewFile();

    int error = 0;
    if (!writeAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(pattern.c_str(), target.c_str()) != 0)
        error = errno;

    if (error != 0) {
        ::unlink(pattern.c_str());
        return reasonFor(error);
    }
    return {};
}

std::string readWholeFile(const std::filesystem::path& path, std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return reasonFor(errno);

    std::string contents;
    char buffer[1 << 14];
    int error = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        if (got == 0)
            break;
        contents.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    if (error != 0)
        return reasonFor(error);
    bytes = std::move(contents);
    return {};
}

} // namespace kit
