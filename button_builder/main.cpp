#include "dialogs.h"
#include "frmbutton.h"
#include "frmsplash.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kit::SystemDialogs dialogs;

    // The run counter lives in the directory the program was started from.
    auto* splash = new knapro::frmSplash(std::filesystem::current_path(), [&dialogs] {
        auto* window = new knapro::frmButton(dialogs);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    });
    splash->show();
    return app.exec();
}
