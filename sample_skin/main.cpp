#include "common/core/commandline.h"
#include "common/core/fileio.h"
#include "sample_skin/core/sampleskin.h"
#include "sample_skin/core/wsz.h"
#include "sample_skin/identity.h"

#include <QGuiApplication>

#include <filesystem>
#include <iostream>
#include <system_error>

namespace {
constexpr kit::ProgramInfo kSampleSkin {sample_skin::identity::kCommand, sample_skin::identity::kName,
                                        sample_skin::identity::kVersionText,
                                        "Writes the kit's sample skin into DIR, as the folder KitSample and the\n"
                                        "archive KitSample.wsz.",
                                        "DIR"};
} // namespace

// sample_skin DIR: writes the kit's sample skin into DIR as the folder
// DIR/KitSample and the archive DIR/KitSample.wsz. `./kit sample DIR` runs it.
int main(int argc, char** argv)
{
    kit::CommandLine commandLine = kit::parseCommandLine(argc, argv, true);
    if (commandLine.action == kit::CommandLine::Action::Run && !commandLine.file) {
        commandLine.action = kit::CommandLine::Action::Misuse;
        commandLine.error = "missing the folder to write the sample skin into";
    }
    if (const auto status = kit::answerCommandLine(commandLine, kSampleSkin))
        return *status;
    // Drawing text and shapes wants a Qt application, though nothing is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const std::filesystem::path target(*commandLine.file);
    const std::filesystem::path folder = target / sample::kSkinName;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "sample_skin: could not make " << folder.string() << ": " << error.message() << '\n';
        return 1;
    }
    const std::vector<sample::SkinFile> files = sample::sampleSkinFiles();
    for (const sample::SkinFile& file : files) {
        if (const std::string reason = kit::replaceFile(folder / file.name, file.bytes); !reason.empty()) {
            std::cerr << "sample_skin: could not save " << (folder / file.name).string() << ": " << reason << '\n';
            return 1;
        }
    }
    std::string reason;
    const std::string archive = sample::wszBytes(files, reason);
    const std::filesystem::path archivePath = target / (std::string(sample::kSkinName) + ".wsz");
    if (archive.empty() || !(reason = kit::replaceFile(archivePath, archive)).empty()) {
        std::cerr << "sample_skin: could not save " << archivePath.string() << ": " << reason << '\n';
        return 1;
    }
    std::cout << "The sample skin is in " << folder.string() << " (" << files.size() << " files) and in "
              << archivePath.string() << ".\n";
    return 0;
}
