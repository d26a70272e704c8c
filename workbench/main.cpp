#include "common/core/commandline.h"
#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "workbench/ui/workbenchwindow.h"

#include <QApplication>

#include <iostream>

namespace {
constexpr kit::ProgramInfo kTessel{"tessel", "Tessel", "1.0",
                                   "Tessel, the colour and region workbench: edit a skin's visualization colours\n"
                                   "(Tessel.txt) with live previews, preview the skin's main window and draw its\n"
                                   "regions. A COLOURFILE given here opens as Open Vis would open it.",
                                   "COLOURFILE"};
} // namespace

int main(int argc, char** argv)
{
    const kit::CommandLine commandLine = kit::parseCommandLine(argc, argv, !kTessel.file.empty());
    if (const auto status = kit::answerCommandLine(commandLine, kTessel, std::cout, std::cerr))
        return *status;
    if (const auto missing = kit::missingDisplay()) {
        std::cerr << kTessel.command << ": " << *missing << '\n';
        return 1;
    }
    int qtArgc = 1; // the command line is read above, so Qt sees only the program's name
    QApplication app(qtArgc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(KIT_DESKTOP_ID));
    QApplication::setApplicationName(QStringLiteral("Tessel"));
    kit::SystemDialogs dialogs;
    tessel::Form1 form(dialogs);
    form.show();
    if (commandLine.file)
        form.openColourFile(kit::fromPath(*commandLine.file));
    return QApplication::exec();
}
