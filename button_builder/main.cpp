#include "button_builder/core/runcounter.h"
#include "button_builder/identity.h"
#include "button_builder/ui/mainwindow.h"
#include "button_builder/ui/splashwindow.h"
#include "common/core/settings.h"
#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "common/ui/startup.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

#include <filesystem>

int main(int argc, char* argv[])
{
    const kit::ProgramInfo program{knapro::identity::kCommand, knapro::identity::kName, knapro::identity::kVersionText,
                                   "Knapro, the button-sheet builder: cut single elements out of a 275 x 116 picture\n"
                                   "of each player window and save them as bitmaps or copy them. A PICTURE given\n"
                                   "here opens on the main window's tab, as Open would open it; a skin folder or\n"
                                   ".wsz or .zip archive fills the three tabs, as Open Skin would.",
                                   "PICTURE"};
    const kit::GuiStart start = kit::startGuiProgram(argc, argv, program, knapro::identity::kDesktopId);
    if (start.exitStatus)
        return *start.exitStatus;
    const kit::CommandLine& commandLine = start.commandLine;
    kit::SystemDialogs dialogs;
    kit::Settings settings(kit::Settings::applicationFile());

    // The run counter lives with the user's application data. Earlier versions
    // kept it in the folder the program was started from, which may be gone.
    const std::filesystem::path counterDirectory =
        kit::toPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    std::error_code noWorkingFolder;
    knapro::carryOverRunCounter(counterDirectory, std::filesystem::current_path(noWorkingFolder));

    const QString file = commandLine.file ? kit::fromPath(*commandLine.file) : QString();
    auto* splash = new knapro::frmSplash(counterDirectory, [&dialogs, &settings, file] {
        auto* window = new knapro::frmButton(dialogs, settings);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        // Opened once the splash has gone, so that a message about the file
        // never stands between the splash and the main window.
        if (!file.isEmpty())
            QTimer::singleShot(0, window, [window, file] { window->openSkinOrPicture(file); });
    });
    splash->show();
    return QApplication::exec();
}
