#include "button_builder/tests/fixtures.h"
#include "button_builder/ui/mainwindow.h"
#include "common/core/commandline.h"
#include "common/core/fileio.h"
#include "common/core/textconversion.h"
#include "common/testing/encodedpicture.h"
#include "common/testing/latin1folder.h"
#include "common/testing/scripteddialogs.h"
#include "common/testing/temporarysettings.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A picture named on the command line, by a name that is not UTF-8 in a folder
// whose name is not either, opens as Open would open it.
TEST(CommandLineFile, OpensAPictureWhoseNamesAreNotUtf8)
{
    QTemporaryDir temporary;
    const kit::testing::Latin1Folder latin1(temporary.path());
    const fs::path& folder = latin1.path();
    const QImage picture = knapro::testing::elementPicture(0);
    const fs::path file = folder / "main\xE9.bmp";
    ASSERT_EQ(kit::replaceFile(file, kit::testing::encodedPicture(picture, "BMP")), "");

    kit::testing::ScriptedDialogs dialogs;
    kit::testing::TemporarySettings settings;
    knapro::frmButton window(dialogs, *settings);
    const char* argv[] = {"knapro", file.c_str()};
    const kit::CommandLine commandLine = kit::parseCommandLine(2, argv, true);
    ASSERT_TRUE(commandLine.file);
    window.openPicture(0, kit::fromPath(*commandLine.file));

    EXPECT_TRUE(dialogs.calls().empty()) << "no \"Unsupported File Type\"";
    EXPECT_EQ(window.currentPicture().convertToFormat(QImage::Format_RGB32), picture.convertToFormat(QImage::Format_RGB32));
}

} // namespace
