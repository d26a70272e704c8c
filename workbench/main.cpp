#include "common/core/settings.h"
#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "common/ui/startup.h"
#include "workbench/identity.h"
#include "workbench/ui/workbenchwindow.h"

#include <QApplication>

namespace {
constexpr kit::ProgramInfo kTessel{tessel::identity::kCommand, tessel::identity::kName, tessel::identity::kVersionText,
                                   "Tessel, the colour and region workbench: edit a skin's visualization colours\n"
                                   "(Tessel.txt) with live previews, preview the skin's main window and draw its\n"
                                   "regions. A FILE given here opens as Open Vis would open it; a region file\n"
                                   "(named Region.txt in any case, or holding NumPoints=) as Open Region.txt would;\n"
                                   "and a skin folder or .wsz or .zip archive as Open Skin would.",
                                   "FILE"};
} // namespace

int main(int argc, char** argv)
{
    const kit::GuiStart start = kit::startGuiProgram(argc, argv, kTessel, tessel::identity::kDesktopId);
    if (start.exitStatus)
        return *start.exitStatus;
    const kit::CommandLine& commandLine = start.commandLine;
    kit::SystemDialogs dialogs;
    kit::Settings settings(kit::Settings::applicationFile());
    tessel::Form1 form(dialogs, settings);
    form.show();
    if (commandLine.file)
        form.openFile(kit::fromPath(*commandLine.file));
    return QApplication::exec();
}
