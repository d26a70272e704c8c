#include "common/testing/diskfull.h"
#include "region_editor/core/pointstore.h"
#include "region_editor/tests/expectedheader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using plevo::FileRole;
using plevo::PointStore;

namespace {

const std::string& kHeader = plevo::testing::kRegionHeader;

class PointStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path()
               / ("plevo-store-" + std::to_string(::getpid()) + "-"
                  + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        scratch = root / "tmp";
        skin = root / "skin";
        fs::create_directories(scratch);
        fs::create_directories(skin);
    }
    void TearDown() override { fs::remove_all(root); }

    static std::string read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void write(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path root;
    fs::path scratch;
    fs::path skin;
};

TEST(RegionHeader, IsSevenStarredLinesOfFortySixCharactersThenTheSectionLine)
{
    EXPECT_EQ(plevo::regionFileHeader(), kHeader);
    EXPECT_EQ(plevo::starredLine("abc"), "*" + std::string(20, ' ') + "abc" + std::string(21, ' ') + "*");
    EXPECT_EQ(plevo::starredLine("ab"), "*" + std::string(21, ' ') + "ab" + std::string(21, ' ') + "*");
}

TEST_F(PointStoreTest, TheWorkedExampleIsSavedByteForByte)
{
    PointStore store(scratch);
    ASSERT_FALSE(store.NewFile());
    ASSERT_FALSE(store.recordPoint("1", "1"));
    ASSERT_FALSE(store.recordPoint("275", "1"));
    ASSERT_FALSE(store.recordPoint("275", "116"));
    EXPECT_EQ(read(scratch / "~NP~01.tmp"), "NumPoints=3\r\n");
    EXPECT_EQ(read(scratch / "~PL~01.tmp"), "PointList=1,1,275,1,275,116,");

    const plevo::SaveResult result = store.SaveRegionFile(skin);
    EXPECT_TRUE(result.saved);
    EXPECT_FALSE(result.problem);
    EXPECT_EQ(read(skin / "Region.txt"), kHeader + "NumPoints=3\r\nPointList=1,1,275,1,275,116\r\n");
}

TEST_F(PointStoreTest, SavesWithNoPointAndWithOnePoint)
{
    PointStore store(scratch);
    ASSERT_FALSE(store.NewFile());
    ASSERT_TRUE(store.SaveRegionFile(skin).saved);
    EXPECT_EQ(read(skin / "Region.txt"), kHeader + "NumPoints=\r\nPointList=\r\n");

    ASSERT_FALSE(store.recordPoint("10", "5")); // skin pixel (9,4)
    ASSERT_TRUE(store.SaveRegionFile(skin).saved);
    EXPECT_EQ(read(skin / "Region.txt"), kHeader + "NumPoints=1\r\nPointList=10,5\r\n");
}

TEST_F(PointStoreTest, EverySaveEmptiesThePointListSoASecondSaveIsEmpty)
{
    PointStore store(scratch);
    ASSERT_FALSE(store.NewFile());
    ASSERT_FALSE(store.recordPoint("12", "7"));
    ASSERT_FALSE(store.recordPoint("30", "9"));
    ASSERT_TRUE(store.SaveRegionFile(skin).saved);
    EXPECT_EQ(read(skin / "Region.txt"), kHeader + "NumPoints=2\r\nPointList=12,7,30,9\r\n");
    EXPECT_EQ(read(scratch / "~NP~01.tmp"), "NumPoints=\r\n");
    EXPECT_EQ(read(scratch / "~PL~01.tmp"), "PointList=");
    EXPECT_EQ(store.index().total, "0");
    EXPECT_EQ(store.index().lastX, "30");
    EXPECT_EQ(store.index().lastY, "9");

    ASSERT_TRUE(store.SaveRegionFile(skin).saved);
    EXPECT_EQ(read(skin / "Region.txt"), kHeader + "NumPoints=\r\nPointList=\r\n");
}

TEST_F(PointStoreTest, NewFileStartsTheListAfreshButKeepsTheLastPoint)
{
    PointStore store(scratch);
    ASSERT_FALSE(store.NewFile());
    EXPECT_EQ(read(scratch / "~NP~01.tmp"), "NumPoints=\r\n");
    EXPECT_EQ(read(scratch / "~PL~01.tmp"), "PointList=");
    ASSERT_FALSE(store.recordPoint("4", "4"));
    ASSERT_FALSE(store.recordPoint("8", "8"));
    ASSERT_FALSE(store.NewFile());
    EXPECT_EQ(store.index().total, "0");
    EXPECT_EQ(store.index().lastX, "8");

    ASSERT_FALSE(store.recordPoint("100", "50"));
    EXPECT_EQ(read(scratch / "~NP~01.tmp"), "NumPoints=1\r\n");
    EXPECT_EQ(read(scratch / "~PL~01.tmp"), "PointList=100,50,");
}

TEST_F(PointStoreTest, AFailedSaveChangesNeitherThePointsNorTheScratchFilesNorTheOldRegionFile)
{
    PointStore store(scratch);
    ASSERT_FALSE(store.NewFile());
    ASSERT_FALSE(store.recordPoint("1", "2"));
    ASSERT_FALSE(store.recordPoint("3", "4"));
    const std::string oldRegion = "an author's own region file\r\n";
    write(skin / "Region.txt", oldRegion);

    plevo::SaveResult full;
    {
        const kit::testing::FileSizeLimit diskFull(100);
        full = store.SaveRegionFile(skin);
    }
    EXPECT_FALSE(full.saved);
    ASSERT_TRUE(full.problem);
    EXPECT_EQ(full.problem->role, FileRole::RegionFile);
    EXPECT_EQ(full.problem->path, skin / "Region.txt");
    EXPECT_EQ(full.problem->reason, "File too large");
    EXPECT_EQ(read(skin / "Region.txt"), oldRegion);
    EXPECT_EQ(std::distance(fs::directory_iterator(skin), fs::directory_iterator()), 1);

    const plevo::SaveResult vanished = store.SaveRegionFile(root / "gone");
    EXPECT_FALSE(vanished.saved);
    EXPECT_EQ(vanished.problem->reason, "No such file or directory");

    EXPECT_EQ(store.index().total, "2");
    EXPECT_EQ(read(scratch / "~NP~01.tmp"), "NumPoints=2\r\n");
    EXPECT_EQ(read(scratch / "~PL~01.tmp"), "PointList=1,2,3,4,");
    ASSERT_TRUE(store.SaveRegionFile(skin).saved);
    EXPECT_EQ(read(skin / "Region.txt"), kHeader + "NumPoints=2\r\nPointList=1,2,3,4\r\n");
}

TEST_F(PointStoreTest, AScratchFileThatCannotBeWrittenLosesNoPoint)
{
    PointStore store(scratch);
    ASSERT_FALSE(store.NewFile());
    ASSERT_FALSE(store.recordPoint("5", "6"));

    fs::remove_all(scratch);
    const auto problem = store.recordPoint("7", "8");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->role, FileRole::CountFile);
    EXPECT_EQ(problem->reason, "No such file or directory");
    EXPECT_EQ(store.index().total, "2");
    EXPECT_EQ(store.index().lastX, "7");

    fs::create_directories(scratch);
    EXPECT_FALSE(store.recordPoint("9", "10"));
    EXPECT_EQ(read(scratch / "~NP~01.tmp"), "NumPoints=3\r\n");
    EXPECT_EQ(read(scratch / "~PL~01.tmp"), "PointList=5,6,7,8,9,10,");
}

TEST_F(PointStoreTest, ASaveBringsScratchFilesThatFellOutOfStepBackFirst)
{
    PointStore store(scratch);
    ASSERT_FALSE(store.NewFile());
    ASSERT_FALSE(store.recordPoint("5", "6"));
    fs::remove(scratch / "~PL~01.tmp");
    fs::create_directory(scratch / "~PL~01.tmp"); // an append cannot open a directory
    EXPECT_TRUE(store.recordPoint("7", "8"));
    fs::remove(scratch / "~PL~01.tmp");

    ASSERT_TRUE(store.SaveRegionFile(skin).saved);
    EXPECT_EQ(read(skin / "Region.txt"), kHeader + "NumPoints=2\r\nPointList=5,6,7,8\r\n");
}

TEST_F(PointStoreTest, ScratchFilesThatCannotBeWrittenDoNotStopASave)
{
    PointStore store(scratch);
    ASSERT_FALSE(store.NewFile());
    ASSERT_FALSE(store.recordPoint("5", "6"));
    fs::remove_all(scratch); // a temporary directory cleaned, or gone read-only, under a running copy
    ASSERT_TRUE(store.recordPoint("7", "8"));

    const plevo::SaveResult result = store.SaveRegionFile(skin);
    EXPECT_TRUE(result.saved);
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->role, FileRole::CountFile);
    EXPECT_EQ(result.problem->action, plevo::FileAction::Write);
    EXPECT_EQ(read(skin / "Region.txt"), kHeader + "NumPoints=2\r\nPointList=5,6,7,8\r\n");
    EXPECT_EQ(store.index().total, "0");
}

TEST_F(PointStoreTest, WithoutAScratchFolderThePointsAreKeptInMemoryOnly)
{
    PointStore store({});
    EXPECT_FALSE(store.NewFile());
    EXPECT_FALSE(store.recordPoint("1", "2"));
    EXPECT_FALSE(store.recordPoint("3", "4"));
    const plevo::SaveResult result = store.SaveRegionFile(skin);
    EXPECT_TRUE(result.saved);
    EXPECT_FALSE(result.problem);
    EXPECT_EQ(read(skin / "Region.txt"), kHeader + "NumPoints=2\r\nPointList=1,2,3,4\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 2); // tmp and skin only
    store.deleteFiles();
}

TEST_F(PointStoreTest, DeletingTheScratchFilesIsQuietWhenTheyAreAlreadyGone)
{
    PointStore store(scratch);
    ASSERT_FALSE(store.NewFile());
    store.deleteFiles();
    EXPECT_FALSE(fs::exists(scratch / "~NP~01.tmp"));
    EXPECT_FALSE(fs::exists(scratch / "~PL~01.tmp"));
    store.deleteFiles();
}

} // namespace
