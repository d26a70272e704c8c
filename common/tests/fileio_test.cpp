#include "diskfull.h"
#include "fileio.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

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

TEST_F(FileIo, KeepsThePermissionsOfAReplacedFile)
{
    const fs::path target = dir / "colours.txt";
    ASSERT_EQ(kit::replaceFile(target, "old"), "");
    ::chmod(target.c_str(), 0640);
    ASSERT_EQ(kit::replaceFile(target, "new"), "");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
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

TEST_F(FileIo, ReadsWholeFilesAndLeavesTheBufferAloneOnFailure)
{
    const fs::path path = dir / "data";
    std::string bytes(100000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7);
    ASSERT_EQ(kit::replaceFile(path, bytes), "");

    std::string read = "previous";
    EXPECT_EQ(kit::readWholeFile(path, read), "");
    EXPECT_EQ(read, bytes);

    read = "previous";
    EXPECT_EQ(kit::readWholeFile(dir / "missing", read), "No such file or directory");
    EXPECT_EQ(kit::readWholeFile(dir, read), "Is a directory");
    EXPECT_EQ(read, "previous");
}

} // namespace
