#include "common/core/ziparchive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(ZipModule, IsLoadedFromTheFirstFolderWhereItLoadsAndSaysWhyNot)
{
    const fs::path scratch = fs::path(testing::TempDir()) / "zipmodule";
    const fs::path empty = scratch / "empty";
    const fs::path broken = scratch / "broken";
    fs::create_directories(empty);
    fs::create_directories(broken);
    std::ofstream(broken / "skinkit-zip.so") << "not a module";
    const fs::path built(KIT_ZIP_MODULE_DIR);

    struct Case
    {
        std::vector<fs::path> directories;
        bool loads;
        std::string problemNames; // a part of the problem, when it does not load
    } const cases[] = {
        {{}, false, "no folder"},
        {{empty}, false, (empty / "skinkit-zip.so").string()},
        {{broken}, false, (broken / "skinkit-zip.so").string()},
        {{empty, broken, built}, true, ""},
    };
    for (const Case& c : cases) {
        const kit::ZipModule module = kit::loadZipModule(c.directories);
        SCOPED_TRACE(c.directories.empty() ? "none" : c.directories.front().string());
        EXPECT_EQ(module.reader != nullptr, c.loads) << module.problem;
        EXPECT_NE(module.problem.find(c.problemNames), std::string::npos) << module.problem;
        if (module.reader) {
            EXPECT_EQ(module.reader->open("BM not an archive").reason, "not a zip archive");
        }
    }
    fs::remove_all(scratch);
}

} // namespace
