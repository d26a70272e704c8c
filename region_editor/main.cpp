#include "common/core/settings.h"
#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "common/ui/startup.h"
#include "region_editor/core/cdsound.h"
#include "region_editor/identity.h"
#include "region_editor/ui/mainwindow.h"
#include "region_editor/ui/pacer.h"
#include "region_editor/ui/splashwindow.h"

#include <QApplication>
#include <QDir>

#include <memory>

namespace {
constexpr kit::ProgramInfo kPlevo{plevo::identity::kCommand, plevo::identity::kName, plevo::identity::kVersionText,
                                  "Plevo, the region editor: click the corners of a polygon on a picture of the\n"
                                  "player's main window and save them as a skin's Region.txt. PICTURE is\n"
                                  "your own 275 x 116 picture of the main window, shown in place of the\n"
                                  "built-in one.",
                                  "PICTURE"};
} // namespace

int main(int argc, char** argv)
{
    const kit::GuiStart start = kit::startGuiProgram(argc, argv, kPlevo, plevo::identity::kDesktopId);
    if (start.exitStatus)
        return *start.exitStatus;
    const kit::CommandLine& commandLine = start.commandLine;
    // The program ends only through its quit question and its credits, never by
    // a window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    kit::SystemDialogs dialogs;
    kit::Settings settings(kit::Settings::applicationFile());
    plevo::SystemPacer pacer;
    const auto cdDevice = [] {
        static const plevo::CdSound sound = plevo::loadCdSound(
            {QCoreApplication::applicationDirPath(),
             QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(PLEVO_MODULE_DIR_FROM_BIN))});
        return std::make_unique<plevo::ThreadedCdDevice>([] { return sound.drive(); }, [] { return sound.audio(); });
    };
    // QDir::tempPath() is empty when TMPDIR names no directory; /tmp stands in then.
    const QStringList scratchBases = {QDir::tempPath(), QStringLiteral("/tmp")};

    std::unique_ptr<plevo::Form1> form;
    auto* splash = new plevo::Form2(pacer, [&] {
        form = std::make_unique<plevo::Form1>(dialogs, settings, pacer, cdDevice, scratchBases);
        // exit() rather than quit(): quit() first asks every window to close, and
        // these windows answer a close with the quit question or the credits' cross.
        QObject::connect(form.get(), &plevo::Form1::ended, start.application.get(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        form->show();
        if (commandLine.file)
            form->openPicture(kit::fromPath(*commandLine.file));
    });
    splash->run();
    return QApplication::exec();
}
