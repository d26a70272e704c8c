#include "common/core/commandline.h"
#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "workbench/core/regionfile.h"
#include "workbench/identity.h"
#include "workbench/ui/workbenchwindow.h"

#include <QApplication>


namespace {
constexpr kit::ProgramInfo kTessel{tessel::identity::kCommand, tessel::identity::kName, tessel::identity::kVersionText,
                                   "Tessel, the colour and region workbench: edit a skin's visualization colours\n"
                                   "(Tessel.txt) with live previews, preview the skin's main window and draw its\n"
                                   "regions. A FILE given here opens as Open Vis would open it, or, when it is named\n"
                                   "Region.txt in any case, as Open Region.txt would.",
                                   "FILE"};
} // namespace

int main(int argc, char** argv)
{
    const kit::CommandLine commandLine = kit::parseCommandLine(argc, argv, !kTessel.file.empty());
    if (const auto status = kit::answerCommandLine(commandLine, kTessel))
        return *status;
    if (kit::saidThereIsNoDisplay(kTessel))
        return 1;
    int qtArgc = 1; // the command line is read above, so Qt sees only the program's name
    QApplication app(qtArgc, argv);
    QGuiApplication::setDesktopFileName(kit::toQString(tessel::identity::kDesktopId));
    QApplication::setApplicationName(kit::toQString(tessel::identity::kName));
    kit::SystemDialogs dialogs;
    tessel::Form1 form(dialogs);
    form.show();
    if (commandLine.file) {
        // A file manager hands over the region file too, by its name.
        if (tessel::hasRegionFileName(*commandLine.file))
            form.openRegionFile(kit::fromPath(*commandLine.file));
        else
            form.openColourFile(kit::fromPath(*commandLine.file));
    }
    return QApplication::exec();
}
