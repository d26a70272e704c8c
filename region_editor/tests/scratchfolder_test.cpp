#include "common/testing/unprivileged.h"
#include "region_editor/core/pointstore.h"
#include "region_editor/core/scratchfolder.h"
#include "region_editor/tests/expectedheader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class ScratchFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("plevo-scratch-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override
    {
        fs::permissions(root, fs::perms::owner_all);
        fs::remove_all(root);
    }

    static std::string read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path root;
};

TEST_F(ScratchFolderTest, EveryCopyGetsAPrivateFolderOfItsOwnForItsOwnPoints)
{
    const plevo::ScratchFolder first = plevo::makeScratchFolder({root});
    const plevo::ScratchFolder second = plevo::makeScratchFolder({root});
    ASSERT_FALSE(first.path.empty());
    ASSERT_FALSE(second.path.empty());
    EXPECT_NE(first.path, second.path);
    for (const fs::path& folder : {first.path, second.path}) {
        EXPECT_EQ(folder.parent_path(), root);
        struct stat info {};
        ASSERT_EQ(::stat(folder.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0700u) << folder;
    }

    // Two copies side by side: starting the second empties nothing of the first,
    // and each saves its own points.
    plevo::PointStore one(first.path);
    ASSERT_FALSE(one.NewFile());
    ASSERT_FALSE(one.recordPoint("1", "1"));
    plevo::PointStore two(second.path);
    ASSERT_FALSE(two.NewFile());
    ASSERT_FALSE(two.recordPoint("9", "9"));
    ASSERT_FALSE(one.recordPoint("2", "2"));
    fs::create_directories(root / "a");
    fs::create_directories(root / "b");
    ASSERT_TRUE(one.SaveRegionFile(root / "a").saved);
    ASSERT_TRUE(two.SaveRegionFile(root / "b").saved);
    EXPECT_EQ(read(root / "a" / "Region.txt"), plevo::testing::kRegionHeader + "NumPoints=2\r\nPointList=1,1,2,2\r\n");
    EXPECT_EQ(read(root / "b" / "Region.txt"), plevo::testing::kRegionHeader + "NumPoints=1\r\nPointList=9,9\r\n");

    // Quitting one removes its own folder and leaves the other's alone.
    two.deleteFiles();
    plevo::removeScratchFolder(second.path);
    EXPECT_FALSE(fs::exists(second.path));
    EXPECT_EQ(read(one.listFile()), "PointList=");
}

TEST_F(ScratchFolderTest, AnUnusableTemporaryDirectoryFallsBackToTheNextNeverToTheWorkingDirectory)
{
    fs::create_directories(root / "readonly");
    fs::permissions(root, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(root / "readonly", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read
                                           | fs::perms::others_exec);
    fs::create_directories(root / "fallback");
    fs::permissions(root / "fallback", fs::perms::all);
    const fs::path missing = root / "missing";

    struct Case
    {
        const char* what;
        std::vector<fs::path> bases;
        fs::path madeIn;        // empty when none takes a folder
        fs::path refusingBase;
        std::string reason;
    };
    const Case cases[] = {
        {"a TMPDIR that names nothing", {missing, root / "fallback"}, root / "fallback", {}, {}},
        {"a read-only one", {root / "readonly", root / "fallback"}, root / "fallback", {}, {}},
        {"an empty or relative one is never tried", {"", "scratch", root / "fallback"}, root / "fallback", {}, {}},
        {"none usable", {missing}, {}, missing, "No such file or directory"},
        {"none usable, read-only", {root / "readonly"}, {}, root / "readonly", "Permission denied"},
        {"none at all", {"", "."}, {}, {}, "No such file or directory"},
    };
    const fs::path workingDirectory = fs::current_path();
    const auto entriesHere = std::distance(fs::directory_iterator(workingDirectory), fs::directory_iterator());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const kit::testing::Unprivileged asAnOrdinaryUser;
        const plevo::ScratchFolder made = plevo::makeScratchFolder(c.bases);
        EXPECT_EQ(made.path.parent_path(), c.madeIn);
        EXPECT_EQ(made.refusingBase, c.refusingBase);
        EXPECT_EQ(made.reason, c.reason);
        plevo::removeScratchFolder(made.path);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(workingDirectory), fs::directory_iterator()), entriesHere);
}

TEST_F(ScratchFolderTest, RemovingAFolderThatStillHoldsSomethingKeepsIt)
{
    const fs::path folder = plevo::makeScratchFolder({root}).path;
    std::ofstream(folder / "left.txt") << "x";
    plevo::removeScratchFolder(folder);
    EXPECT_TRUE(fs::exists(folder / "left.txt"));
    fs::remove(folder / "left.txt");
    plevo::removeScratchFolder(folder);
    EXPECT_FALSE(fs::exists(folder));
}

} // namespace
