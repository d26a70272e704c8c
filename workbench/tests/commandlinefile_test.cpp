#include "common/core/commandline.h"
#include "common/core/fileio.h"
#include "common/core/textconversion.h"
#include "common/testing/scripteddialogs.h"
#include "common/testing/temporarysettings.h"
#include "workbench/tests/syntheticskin.h"
#include "workbench/ui/workbenchwindow.h"

#include <QCheckBox>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A colour file named on the command line, in a skin folder whose name is not
// UTF-8, opens as Open Vis would open it, and AutoSkin Load finds the skin beside it.
TEST(CommandLineFile, OpensAColourFileWhoseNamesAreNotUtf8)
{
    QTemporaryDir temporary;
    // QTemporaryDir cannot remove names that are not UTF-8.
    const fs::path top = kit::toPath(temporary.path());
    const auto removed = qScopeGuard([&top] { std::error_code ignored; fs::remove_all(top, ignored); });
    fs::create_directory(kit::toPath(temporary.filePath("skin")));
    writeSyntheticSkin(temporary.filePath("skin/"));
    const fs::path folder = kit::toPath(temporary.path()) / "caf\xE9";
    fs::rename(kit::toPath(temporary.filePath("skin")), folder);
    const fs::path colours = folder / "vis\xE9.txt";
    ASSERT_EQ(kit::replaceFile(colours, " 0, 0, 0  // 0\r\n 24, 33, 41  // 1\r\n"), "");

    kit::testing::ScriptedDialogs dialogs;
    kit::testing::TemporarySettings settings;
    tessel::Form1 form(dialogs, *settings);
    form.findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    const char* argv[] = {"tessel", colours.c_str()};
    const kit::CommandLine commandLine = kit::parseCommandLine(2, argv, true);
    ASSERT_TRUE(commandLine.file);
    form.openColourFile(kit::fromPath(*commandLine.file));

    EXPECT_EQ(form.colourTable()[1], (tessel::ColourEntry {24, 33, 41}));
    EXPECT_EQ(kit::toPath(form.skinDirectory()), folder / "");
    EXPECT_TRUE(dialogs.calls().empty()) << "no message: the colours and all ten bitmaps were read";
}

} // namespace
