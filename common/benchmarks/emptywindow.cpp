// The yardstick of the start-up benchmark: a Qt Widgets program that shows one
// empty window and does nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(288, 186);
    window.show();
    return QApplication::exec();
}
