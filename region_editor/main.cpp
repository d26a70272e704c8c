#include "commandline.h"
#include "dialogs.h"
#include "form1.h"

#include <QApplication>
#include <QDir>

#include <iostream>

namespace {
constexpr kit::ProgramInfo kPlevo{"plevo", "Plevo", "1.0",
                                  "Plevo, the region editor: click the corners of a polygon on a picture of the\n"
                                  "player's main window and save them as a skin's Region.txt.",
                                  ""};
} // namespace

int main(int argc, char** argv)
{
    const kit::CommandLine commandLine = kit::parseCommandLine(argc, argv, false);
    if (const auto status = kit::answerCommandLine(commandLine, kPlevo, std::cout, std::cerr))
        return *status;
    int qtArgc = 1; // the command line is read above, so Qt sees only the program's name
    QApplication app(qtArgc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(KIT_DESKTOP_ID));
    app.setApplicationName(QStringLiteral("Plevo"));
    // The program ends only through its quit question, never by a window closing.
    app.setQuitOnLastWindowClosed(false);

    kit::SystemDialogs dialogs;
    plevo::Form1 form(dialogs, QDir::tempPath());
    QObject::connect(&form, &plevo::Form1::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form.show();
    return app.exec();
}
