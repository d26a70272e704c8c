#include "dialogs.h"
#include "workbenchwindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessel"));
    kit::SystemDialogs dialogs;
    tessel::Form1 form(dialogs);
    form.show();
    return QApplication::exec();
}
