#include "common/core/fileio.h"
#include "common/testing/diskfull.h"
#include "common/testing/unprivileged.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <latch>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

class FileIo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("kit-fileio-" + std::to_string(::getpid()) + "-"
                                           + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string contents(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    size_t entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator())); }

    fs::path dir;
};

TEST_F(FileIo, ReplacesShorterAndLongerFilesExactlyAndLeavesNoTemporaryBehind)
{
    const fs::path target = dir / "Region.txt";
    EXPECT_EQ(kit::replaceFile(target, std::string("first\r\nsecond\r\n")), "");
    EXPECT_EQ(contents(target), "first\r\nsecond\r\n");
    EXPECT_EQ(kit::replaceFile(target, std::string("x")), "");
    EXPECT_EQ(contents(target), "x");
    EXPECT_EQ(kit::replaceFile(target, std::string("\0\xff", 2)), "");
    EXPECT_EQ(contents(target), std::string("\0\xff", 2));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileIo, GivesANewFileTheUsualPermissionsAndKeepsThoseOfAReplacedFile)
{
    const fs::path target = dir / "colours.txt";
    const mode_t mask = ::umask(027);
    const std::string created = kit::replaceFile(target, "old");
    ::umask(mask);
    ASSERT_EQ(created, "");
    struct stat fresh {};
    ASSERT_EQ(::stat(target.c_str(), &fresh), 0);
    EXPECT_EQ(fresh.st_mode & 07777, 0640u);
    ::chmod(target.c_str(), 0604);
    ASSERT_EQ(kit::replaceFile(target, "new"), "");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0604u);
}

TEST_F(FileIo, AVanishedDirectoryIsReportedWithTheSystemsReason)
{
    EXPECT_EQ(kit::replaceFile(dir / "gone" / "Region.txt", "data"), "No such file or directory");
}

TEST_F(FileIo, AWriteThatRunsOutOfRoomLeavesTheOldFileAndNoPartialOne)
{
    const fs::path target = dir / "cut.bmp";
    ASSERT_EQ(kit::replaceFile(target, "the old picture"), "");

    std::string reason;
    {
        const kit::testing::FileSizeLimit diskFull(64);
        reason = kit::replaceFile(target, std::string(4096, 'x'));
    }
    EXPECT_EQ(reason, "File too large");
    EXPECT_EQ(contents(target), "the old picture");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileIo, WritesThroughASymbolicLinkAndKeepsTheLink)
{
    const fs::path real = dir / "real.txt";
    ASSERT_EQ(kit::replaceFile(real, "old"), "");
    fs::create_symlink("real.txt", dir / "first");
    fs::create_symlink(dir / "first", dir / "second");
    const fs::path dangling = dir / "dangling";
    fs::create_symlink("made-by-save.txt", dangling);

    EXPECT_EQ(kit::replaceFile(dir / "second", "new"), "");
    EXPECT_EQ(kit::replaceFile(dangling, "created"), "");

    EXPECT_TRUE(fs::is_symlink(dir / "second"));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(contents(real), "new");
    EXPECT_EQ(contents(dir / "made-by-save.txt"), "created");
    EXPECT_EQ(entries(), 5u);
}

TEST_F(FileIo, RefusesWhatCannotBeSavedOverAndLeavesItAsItWas)
{
    const fs::path readOnly = dir / "locked.txt";
    ASSERT_EQ(kit::replaceFile(readOnly, "keep me"), "");
    ::chmod(readOnly.c_str(), 0444);
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    fs::create_directory(dir / "folder");

    const struct { fs::path target; std::string reason; } cases[] = {
        {readOnly, "Permission denied"},           // even for root, who could write it
        {fifo, "Not a regular file"},              // and without waiting for a reader
        {dir / "folder", "Is a directory"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kit::replaceFile(c.target, "new"), c.reason) << c.target;
    EXPECT_EQ(contents(readOnly), "keep me");
    EXPECT_EQ(entries(), 3u);
}

TEST_F(FileIo, ADirectoryThatTakesNoNewFileStillLetsItsWritableFileBeSaved)
{
    const fs::path file = dir / "Tessel.txt";
    ASSERT_EQ(kit::replaceFile(file, "a longer old content"), "");
    ASSERT_TRUE(kit::testing::Unprivileged::handOver(file));
    ::chmod(dir.c_str(), 0555);

    std::string inPlace, full, newFile;
    {
        const kit::testing::Unprivileged user;
        inPlace = kit::replaceFile(file, "short");
        {
            const kit::testing::FileSizeLimit diskFull(16);
            full = kit::replaceFile(file, std::string(64, 'x'));
        }
        newFile = kit::replaceFile(dir / "new.txt", "x");
    }
    ::chmod(dir.c_str(), 0755);
    EXPECT_EQ(inPlace, "");
    EXPECT_EQ(full, "File too large");
    EXPECT_EQ(contents(file), "short");
    EXPECT_EQ(newFile, "Permission denied");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileIo, RefusesAFileThatIsNotThisUsersToWriteEvenInAnOpenFolder)
{
    const fs::path theirs = dir / "theirs.txt";
    ASSERT_EQ(kit::replaceFile(theirs, "theirs"), "");
    ::chmod(theirs.c_str(), 0644);
    ::chmod(dir.c_str(), 0777);
    std::string reason;
    {
        const kit::testing::Unprivileged user;
        if (kit::testing::Unprivileged::user() == ::getuid())
            GTEST_SKIP() << "needs a second user: run as root";
        reason = kit::replaceFile(theirs, "mine");
    }
    EXPECT_EQ(reason, "Permission denied");
    EXPECT_EQ(contents(theirs), "theirs");
    EXPECT_EQ(entries(), 1u);
}

// The kernel's protected_symlinks rule for sticky, world-writable folders: a link
// there is followed only when it is the follower's own or the folder owner's.
TEST_F(FileIo, InAStickyFolderFollowsOnlyLinksOfTheUserOrTheFolderOwner)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "links of other users need root to make";
    constexpr uid_t kStranger = kit::testing::Unprivileged::kNobody - 1;
    const uid_t nobody = kit::testing::Unprivileged::kNobody;
    ::chmod(dir.c_str(), 01777); // owned by root, like /tmp
    const struct { const char* name; uid_t linkOwner; bool asNobody; bool followed; } cases[] = {
        {"planted by nobody, root saves", nobody, false, false},
        {"planted by a stranger, nobody saves", kStranger, true, false},
        {"the folder owner's link", 0, true, true},
        {"nobody's own link", nobody, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path target = dir / "target.dat";
        const fs::path link = dir / "knapro.dat";
        ASSERT_EQ(kit::replaceFile(target, "precious"), "");
        ASSERT_EQ(::chown(target.c_str(), nobody, nobody), 0);
        fs::create_symlink(target, link);
        ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
        std::string reason;
        if (c.asNobody) {
            const kit::testing::Unprivileged user;
            reason = kit::replaceFile(link, "1\r\n");
        } else {
            reason = kit::replaceFile(link, "1\r\n");
        }
        EXPECT_EQ(reason, c.followed ? "" : "Permission denied");
        EXPECT_EQ(contents(target), c.followed ? "1\r\n" : "precious");
        EXPECT_TRUE(fs::is_symlink(link));
        fs::remove(link);
        fs::remove(target);
    }
}

TEST_F(FileIo, InAStickyFolderWritesAnotherUsersOpenFileInPlace)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "a file of another user needs root to make";
    ::chmod(dir.c_str(), 01777);
    const fs::path shared = dir / "Tessel.txt";
    ASSERT_EQ(kit::replaceFile(shared, "old colours"), "");
    ::chmod(shared.c_str(), 0666);
    ASSERT_EQ(::chown(shared.c_str(), kit::testing::Unprivileged::kNobody - 1, kit::testing::Unprivileged::kNobody - 1), 0);
    std::string reason;
    {
        const kit::testing::Unprivileged user;
        reason = kit::replaceFile(shared, "new");
    }
    EXPECT_EQ(reason, "");
    EXPECT_EQ(contents(shared), "new");
    EXPECT_EQ(fs::status(shared).permissions(), static_cast<fs::perms>(0666));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileIo, TwoSavesAtOnceInPlaceLeaveOneWholeContent)
{
    const fs::path file = dir / "Region.txt";
    ASSERT_EQ(kit::replaceFile(file, "old"), "");
    ASSERT_TRUE(kit::testing::Unprivileged::handOver(file));
    ::chmod(dir.c_str(), 0555);
    // Released together, with writes long enough to outlast the other save's
    // start. The kernel still orders each save's own calls mostly one after the
    // other, so an unlocked save is also caught while a lock is held on the file.
    const std::string first(4 << 20, 'A');
    const std::string second(3 << 20, 'B');
    {
        const kit::testing::Unprivileged user;
        {
            const int held = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
            ASSERT_GE(held, 0);
            ASSERT_EQ(::flock(held, LOCK_EX), 0);
            std::atomic<bool> saved = false;
            std::thread waiting([&] {
                EXPECT_EQ(kit::replaceFile(file, "new"), "");
                saved = true;
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            EXPECT_FALSE(saved) << "a save went ahead while another held the lock";
            EXPECT_EQ(contents(file), "old");
            ::close(held);
            waiting.join();
            EXPECT_EQ(contents(file), "new");
        }
        for (int round = 0; round < 30; ++round) {
            std::string reasons[2];
            std::latch start(2);
            std::thread writer([&] {
                start.arrive_and_wait();
                reasons[0] = kit::replaceFile(file, first);
            });
            start.arrive_and_wait();
            reasons[1] = kit::replaceFile(file, second);
            writer.join();
            ASSERT_EQ(reasons[0], "");
            ASSERT_EQ(reasons[1], "");
            const std::string now = contents(file);
            ASSERT_TRUE(now == first || now == second) << "round " << round << ": " << now.size() << " bytes";
        }
    }
    ::chmod(dir.c_str(), 0755);
}

// Saves on a mount that is read-only, in a mount namespace of a child process.
TEST_F(FileIo, AReadOnlyMountSaysSo)
{
    int results[2];
    ASSERT_EQ(::pipe(results), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const fs::path mountPoint = dir;
        const fs::path existing = mountPoint / "main.bmp";
        std::string reasons = "no namespace";
        if (::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, nullptr) == 0
            && kit::replaceFile(existing, "old").empty()
            && ::mount(nullptr, mountPoint.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0)
            reasons = kit::replaceFile(existing, "new") + "|" + kit::replaceFile(mountPoint / "new.bmp", "new");
        ::_exit(::write(results[1], reasons.data(), reasons.size()) == static_cast<ssize_t>(reasons.size()) ? 0 : 1);
    }
    ::close(results[1]);
    char buffer[256] = {};
    const ssize_t got = ::read(results[0], buffer, sizeof buffer - 1);
    ::close(results[0]);
    ::waitpid(child, nullptr, 0);
    const std::string reasons(buffer, got > 0 ? static_cast<size_t>(got) : 0);
    if (reasons == "no namespace")
        GTEST_SKIP() << "mounting needs root";
    EXPECT_EQ(reasons, "Read-only file system|Read-only file system");
}

TEST_F(FileIo, ScratchFilesAreWrittenAndAppendedButNeverThroughALink)
{
    const fs::path scratch = dir / "~NP~01.tmp";
    EXPECT_EQ(kit::writeScratchFile(scratch, "NumPoints=9\r\n"), "");
    EXPECT_EQ(kit::writeScratchFile(scratch, "PointList="), "");
    EXPECT_EQ(kit::appendToScratchFile(scratch, "1,1,"), "");
    EXPECT_EQ(contents(scratch), "PointList=1,1,");
    EXPECT_EQ(fs::status(scratch).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    const fs::path elsewhere = dir / "elsewhere";
    ASSERT_EQ(kit::replaceFile(elsewhere, "keep"), "");
    fs::create_symlink(elsewhere, dir / "link");
    EXPECT_EQ(kit::writeScratchFile(dir / "link", "x"), "Too many levels of symbolic links");
    EXPECT_EQ(kit::appendToScratchFile(dir / "link", "x"), "Too many levels of symbolic links");
    EXPECT_EQ(kit::appendToScratchFile(dir / "missing", "x"), "No such file or directory");
    EXPECT_EQ(contents(elsewhere), "keep");
}

TEST_F(FileIo, SavesUnderTheLongestNameTheFileSystemTakes)
{
    const fs::path target = dir / std::string(255, 'n');
    EXPECT_EQ(kit::replaceFile(target, "long"), "");
    EXPECT_EQ(kit::replaceFile(target, "longer"), "");
    EXPECT_EQ(contents(target), "longer");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileIo, ReadsWholeRegularFilesWithinTheirLimitAndNothingElse)
{
    const fs::path path = dir / "data";
    std::string bytes(100000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    ASSERT_EQ(kit::replaceFile(path, bytes), "");
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);

    std::string read = "previous";
    EXPECT_EQ(kit::readWholeFile(path, read, bytes.size()), "");
    EXPECT_EQ(read, bytes);

    const struct { fs::path path; std::uintmax_t limit; std::string reason; } refused[] = {
        {path, bytes.size() - 1, "File too large"},
        {dir / "missing", 1000, "No such file or directory"},
        {dir, 1000, "Is a directory"},
        {fifo, 1000, "Not a regular file"},
        {"/dev/zero", 1000, "Not a regular file"},
    };
    for (const auto& c : refused) {
        read = "previous";
        EXPECT_EQ(kit::readWholeFile(c.path, read, c.limit), c.reason) << c.path;
        EXPECT_EQ(read, "previous");
    }
}

} // namespace
