#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace plevo {

class Pacer;

// The exit credits: the last window of the program. The credits scroll up
// through their viewport, about 13 px a second, and start again from below until
// the cross is pressed; then the window says the program has ended.
class Form9 : public QWidget
{
    Q_OBJECT
public:
    Form9(Pacer& pacer, QWidget* parent);

    // Shows the window and scrolls until the cross is pressed, then emits ended().
    void run();

signals:
    void ended();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void Image1_Click();

private:
    Pacer& m_pacer;
    int m_creditsTop; // twips
    QLabel* Label2 = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text2 = nullptr;
};

} // namespace plevo
