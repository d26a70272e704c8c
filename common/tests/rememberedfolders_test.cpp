#include "common/testing/qtprinters.h"
#include "common/testing/scripteddialogs.h"
#include "common/testing/temporarysettings.h"
#include "common/ui/rememberedfolders.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using kit::FileRequest;
using kit::FolderKind;

namespace {

struct Dialog
{
    const char* what;
    FolderKind kind;
    // Runs the dialog and tells in which folder it opened.
    std::function<QString(kit::testing::ScriptedDialogs&, kit::Settings&, const FileRequest&)> run;
};

QString shownFolder(const kit::testing::ScriptedDialogs& dialogs)
{
    const kit::testing::DialogCall& call = dialogs.lastCall();
    return call.kind == kit::testing::DialogCall::Kind::ChooseDirectory ? call.startDirectory : call.file.directory;
}

const Dialog kDialogs[] = {
    {"open a skin picture", FolderKind::SkinPictures,
     [](auto& dialogs, auto& settings, const FileRequest& request) {
         kit::openFileRemembering(dialogs, settings, nullptr, FolderKind::SkinPictures, request);
         return shownFolder(dialogs);
     }},
    {"save a colour file", FolderKind::ColourFiles,
     [](auto& dialogs, auto& settings, const FileRequest& request) {
         kit::saveFileRemembering(dialogs, settings, nullptr, FolderKind::ColourFiles, request);
         return shownFolder(dialogs);
     }},
    {"save a cut", FolderKind::SaveTargets,
     [](auto& dialogs, auto& settings, const FileRequest& request) {
         kit::saveFileRemembering(dialogs, settings, nullptr, FolderKind::SaveTargets, request);
         return shownFolder(dialogs);
     }},
    {"choose a folder for a region file", FolderKind::RegionFiles,
     [](auto& dialogs, auto& settings, const FileRequest& request) {
         kit::chooseDirectoryRemembering(dialogs, settings, nullptr, FolderKind::RegionFiles, request.title,
                                         request.directory);
         return shownFolder(dialogs);
     }},
};

} // namespace

TEST(RememberedFolders, EachKindOfDialogReopensWhereItsLastChoiceWasMade)
{
    QTemporaryDir places;
    kit::testing::TemporarySettings settings;
    kit::testing::ScriptedDialogs dialogs;
    FileRequest request;
    request.title = "Open File";
    request.directory = "/start";
    request.fileName = "main.bmp";

    // The directory dialog answers with the folder, the file dialogs with a file in it.
    std::vector<QString> chosenFolders;
    for (const Dialog& dialog : kDialogs) {
        const QString folder = places.filePath(dialog.what);
        ASSERT_TRUE(QDir().mkpath(folder));
        chosenFolders.push_back(folder);
        dialogs.choosePath(dialog.kind == FolderKind::RegionFiles ? folder : folder + "/chosen.bmp");
        EXPECT_EQ(dialog.run(dialogs, *settings, request), "/start") << dialog.what << ": nothing remembered yet";
    }

    kit::Settings reopened(settings.file());
    settings->sync();
    for (size_t i = 0; i < std::size(kDialogs); ++i) {
        for (kit::Settings* run : {&*settings, &reopened}) {
            dialogs.cancelPath();
            EXPECT_EQ(kDialogs[i].run(dialogs, *run, request), chosenFolders[i]) << kDialogs[i].what;
        }
    }
    EXPECT_EQ(dialogs.lastCall().kind, kit::testing::DialogCall::Kind::ChooseDirectory);
    dialogs.cancelPath();
    kDialogs[0].run(dialogs, *settings, request);
    EXPECT_EQ(dialogs.lastCall().file.fileName, "main.bmp") << "the preset name is kept";

    ASSERT_TRUE(QDir(chosenFolders[0]).removeRecursively());
    dialogs.cancelPath();
    EXPECT_EQ(kDialogs[0].run(dialogs, *settings, request), "/start") << "a folder that has gone";
}
