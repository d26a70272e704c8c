#pragma once

#include <QWidget>

#include <functional>

class QLabel;

namespace plevo {

class Pacer;

// The start window: Plevo's name, version and maker over its picture, shown for
// three seconds before the main window.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    // `showMainWindow` runs once, when the splash is gone.
    Form2(Pacer& pacer, std::function<void()> showMainWindow);

    // Shows the splash, lets events run for three seconds, then unloads the
    // splash and shows the main window.
    void run();

private:
    Pacer& m_pacer;
    std::function<void()> m_showMainWindow;
    QWidget* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
};

} // namespace plevo
