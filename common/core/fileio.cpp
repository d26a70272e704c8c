#include "common/core/fileio.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <random>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kit {
namespace {

namespace fs = std::filesystem;

constexpr size_t kRandomLetters = 6;

std::string reasonFor(int error) { return std::strerror(error); }

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    // Closes now, so that a failing close (a delayed write error) can be reported.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

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

// Whether the kernel would follow the link `link` (described by `info`) for this
// process where it guards sticky, world-writable folders (protected_symlinks):
// there a link is followed only when it belongs to the follower or to the
// folder's owner, so that nobody can plant a link in /tmp that sends another
// user's save onto a file of that user's.
bool mayFollow(const fs::path& link, const struct stat& info)
{
    const fs::path folder = link.has_parent_path() ? link.parent_path() : fs::path(".");
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0)
        return false;
    const bool guarded = (folderInfo.st_mode & S_ISVTX) != 0 && (folderInfo.st_mode & S_IWOTH) != 0;
    return !guarded || info.st_uid == ::geteuid() || info.st_uid == folderInfo.st_uid;
}

// The file a save really writes: `target`, or the end of the chain of symbolic
// links that starts there. A dangling link gives the path it points to, so that
// the save creates the file the link names.
bool resolveLinks(fs::path path, fs::path& resolved, int& error)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            resolved = path;
            return true;
        }
        if (!mayFollow(path, info)) {
            error = EACCES;
            return false;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length < 0) {
            error = errno;
            return false;
        }
        link.resize(static_cast<size_t>(length));
        const fs::path next(link);
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = ELOOP;
    return false;
}

// A hidden name beside `file` that leaves room for six random letters within
// the longest name the directory takes.
std::string temporaryStem(const fs::path& file)
{
    const fs::path directory = file.has_parent_path() ? file.parent_path() : fs::path(".");
    long nameMax = ::pathconf(directory.c_str(), _PC_NAME_MAX);
    if (nameMax <= 0)
        nameMax = NAME_MAX;
    constexpr size_t kAdded = 1 + 1 + kRandomLetters; // a dot in front; a dot and the letters behind
    std::string stem = file.filename().string();
    const size_t room = static_cast<size_t>(nameMax) > kAdded ? static_cast<size_t>(nameMax) - kAdded : 0;
    if (stem.size() > room) {
        stem.resize(room);
        // Never leave half a UTF-8 sequence at the cut.
        while (!stem.empty() && (static_cast<unsigned char>(stem.back()) & 0xC0) == 0x80)
            stem.pop_back();
        if (!stem.empty() && (static_cast<unsigned char>(stem.back()) & 0x80) != 0)
            stem.pop_back();
    }
    return (directory / ("." + stem + ".")).string();
}

// Creates a new file under `stem` and six random letters, with `mode` less the
// process's umask as the kernel applies it. Sets `path` to the name it took.
int createTemporary(const std::string& stem, mode_t mode, std::string& path)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random {std::random_device {}()};
    std::uniform_int_distribution<size_t> letter(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = stem;
        for (size_t i = 0; i < kRandomLetters; ++i)
            path += kLetters[letter(random)];
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Why an existing file may not be replaced: a read-only mount, or the read-only
// mark (no write bit at all, or none for this user); 0 when it may.
int writeRefusal(const fs::path& file, const struct stat& info)
{
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0 && errno == EROFS)
        return EROFS;
    if ((info.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0)
        return EACCES;
    return 0;
}

// Writes into the existing file itself, for a directory that takes no new file
// or will not let this user replace it. The advisory lock keeps two such saves
// from interleaving: one whole content follows the other.
std::string writeInPlace(const fs::path& file, std::string_view bytes)
{
    FileDescriptor fd(::open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW));
    if (fd.get() < 0)
        return reasonFor(errno);
    while (::flock(fd.get(), LOCK_EX) != 0) {
        if (errno != EINTR)
            return reasonFor(errno);
    }
    if (!bytes.empty()) {
        const int reserved = ::posix_fallocate(fd.get(), 0, static_cast<off_t>(bytes.size()));
        if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL)
            return reasonFor(reserved);
    }
    int error = 0;
    if (!writeAll(fd.get(), bytes) || ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0
        || ::fsync(fd.get()) != 0)
        error = errno;
    if (fd.close() != 0 && error == 0)
        error = errno;
    return error == 0 ? std::string() : reasonFor(error);
}

// Why a file of this kind is not read or replaced; nothing for a regular file.
std::string refusalOf(const struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        return reasonFor(EISDIR);
    if (!S_ISREG(info.st_mode))
        return std::string(kNotARegularFile);
    return {};
}

} // namespace

std::string replaceFile(const fs::path& target, std::string_view bytes)
{
    fs::path file;
    int error = 0;
    if (!resolveLinks(target, file, error))
        return reasonFor(error);

    struct stat existing {};
    const bool exists = ::stat(file.c_str(), &existing) == 0;
    if (exists) {
        if (std::string refused = refusalOf(existing); !refused.empty())
            return refused;
        if (const int refused = writeRefusal(file, existing); refused != 0)
            return reasonFor(refused);
    }

    // A new file takes the usual permissions; one that replaces another gets that
    // one's permissions once it holds all its bytes.
    std::string temporary;
    FileDescriptor fd(createTemporary(temporaryStem(file), exists ? 0600 : 0666, temporary));
    if (fd.get() < 0) {
        const int refused = errno;
        if (exists && (refused == EACCES || refused == EPERM || refused == EROFS))
            return writeInPlace(file, bytes);
        return reasonFor(refused);
    }

    if (!writeAll(fd.get(), bytes) || (exists && ::fchmod(fd.get(), existing.st_mode & 07777) != 0)
        || ::fsync(fd.get()) != 0)
        error = errno;
    // Only a privileged process may hand the file back to its owner; for anyone
    // else the refusal leaves the new file theirs, as a fresh save would be.
    if (error == 0 && exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
        [[maybe_unused]] const int handedBack = ::fchown(fd.get(), existing.st_uid, existing.st_gid);
    }
    if (fd.close() != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), file.c_str()) != 0)
        error = errno;

    if (error != 0) {
        ::unlink(temporary.c_str());
        // A sticky folder lets only a file's owner replace it, but a file that
        // is open to this user may still be written.
        if (exists && (error == EPERM || error == EACCES))
            return writeInPlace(file, bytes);
        return reasonFor(error);
    }
    return {};
}

std::string writeScratchFile(const fs::path& file, std::string_view bytes)
{
    // Written over the old bytes and then cut to length, rather than emptied
    // first: ext4 flushes a file that was emptied and rewritten when it is
    // closed, the very disk wait this writer is for avoiding.
    FileDescriptor fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.get() < 0)
        return reasonFor(errno);
    int error = writeAll(fd.get(), bytes) && ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) == 0 ? 0 : errno;
    if (fd.close() != 0 && error == 0)
        error = errno;
    return error == 0 ? std::string() : reasonFor(error);
}

std::string appendToScratchFile(const fs::path& file, std::string_view bytes)
{
    FileDescriptor fd(::open(file.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0)
        return reasonFor(errno);
    int error = writeAll(fd.get(), bytes) ? 0 : errno;
    if (fd.close() != 0 && error == 0)
        error = errno;
    return error == 0 ? std::string() : reasonFor(error);
}

std::string readWholeFile(const fs::path& path, std::string& bytes, std::uintmax_t sizeLimit)
{
    // Opening a device can itself do something (rewind a tape), so anything that
    // is not a regular file is refused before it is opened.
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0)
        return reasonFor(errno);
    if (std::string refused = refusalOf(named); !refused.empty())
        return refused;
    // Should the name meanwhile have come to stand for a FIFO, O_NONBLOCK keeps
    // the open from waiting for a writer that never comes.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        return reasonFor(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return reasonFor(errno);
    if (std::string refused = refusalOf(info); !refused.empty())
        return refused;
    if (static_cast<std::uintmax_t>(info.st_size) > sizeLimit)
        return reasonFor(EFBIG);

    std::string contents;
    contents.reserve(static_cast<size_t>(info.st_size));
    char buffer[1 << 14];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return reasonFor(errno);
        }
        if (got == 0)
            break;
        contents.append(buffer, static_cast<size_t>(got));
        // The file may have grown since it was measured.
        if (contents.size() > sizeLimit)
            return reasonFor(EFBIG);
    }
    bytes = std::move(contents);
    return {};
}

std::vector<std::string> folderEntries(const fs::path& folder, EntryKind kind)
{
    std::vector<std::string> names;
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr)
        return names;
    while (const dirent* entry = ::readdir(directory)) {
        const std::string_view name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(directory), entry->d_name, &info, 0) != 0)
            continue;
        if (kind == EntryKind::File ? S_ISREG(info.st_mode) : S_ISDIR(info.st_mode))
            names.emplace_back(name);
    }
    ::closedir(directory);
    return names;
}

} // namespace kit
