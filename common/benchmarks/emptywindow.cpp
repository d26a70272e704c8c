// The yardstick of the start-up benchmark: a Qt Widgets program that shows one
// empty top-level window of a fixed size and does nothing else. It draws no
// text. The benchmark gives it the size of the first window of the program it
// is compared with, so that both pay alike for the window's pixels.
//
//   kit_empty_window WIDTH HEIGHT
#include <QApplication>
#include <QByteArray>
#include <QWidget>

int main(int argc, char** argv)
{
    const int width = argc > 2 ? QByteArray(argv[1]).toInt() : 0;
    const int height = argc > 2 ? QByteArray(argv[2]).toInt() : 0;
    if (width <= 0 || height <= 0)
        return 2;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(width, height);
    window.show();
    return QApplication::exec();
}
