// The yardsticks of the start-up benchmark: a Qt Widgets program that shows one
// top-level window of a fixed size and does nothing else. The benchmark gives
// it the size of the first window of the program it is compared with, so that
// both pay alike for the window's pixels.
//
//   kit_empty_window WIDTH HEIGHT          an empty window, which draws no text
//   kit_empty_window WIDTH HEIGHT --text   the same with one line of text, in the
//                                          desktop's font, laid out before the
//                                          window shows: what any text costs
#include <QApplication>
#include <QByteArray>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv)
{
    const int width = argc > 2 ? QByteArray(argv[1]).toInt() : 0;
    const int height = argc > 2 ? QByteArray(argv[2]).toInt() : 0;
    const bool text = argc > 3 && std::strcmp(argv[3], "--text") == 0;
    if (width <= 0 || height <= 0 || argc > (text ? 4 : 3))
        return 2;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(width, height);
    if (text) {
        auto* line = new QLabel(QStringLiteral("One line of text"), &window);
        line->move(8, 8);
        // Sized to its text before the window shows, as every caption of the
        // programs is: the font is then loaded before the window maps, not
        // only when it is first painted.
        line->adjustSize();
    }
    window.show();
    return QApplication::exec();
}
