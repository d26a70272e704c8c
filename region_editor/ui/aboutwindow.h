#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace plevo {

class Pacer;

// Who made Plevo and where to find it. The program icon slides in from the left
// a second after the window opens. OK, Enter or Escape closes and unloads it.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    frmAbout(Pacer& pacer, QWidget* parent);

    // Shows the window, lets events run for a second, then moves the icon in
    // without letting any event through between its moves.
    void showAndSlide();

private slots:
    void cmdOK_Click();

private:
    Pacer& m_pacer;
    int m_iconLeft; // twips
    QLabel* Image1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace plevo
