#include "dialogs.h"
#include "form1.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Plevo"));
    // The program ends only through its quit question, never by a window closing.
    app.setQuitOnLastWindowClosed(false);

    kit::SystemDialogs dialogs;
    plevo::Form1 form(dialogs, QDir::tempPath());
    QObject::connect(&form, &plevo::Form1::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form.show();
    return app.exec();
}
