#pragma once

#include "region_editor/core/pointstore.h"

#include <QWidget>

class QLineEdit;

namespace kit {
class Dialogs;
}

namespace plevo {

class Form1;

// The Point Index window: the last recorded point and the number of points since
// the list was last emptied. Its close button only hides it.
class Form4 : public QWidget
{
    Q_OBJECT
public:
    Form4(Form1& main, kit::Dialogs& dialogs);

    void showIndex(const PointIndex& index);

private slots:
    void Image3_Click();
    void Image2_Click();
    void Image1_Click();

private:
    Form1& m_main;
    kit::Dialogs& m_dialogs;
    QLineEdit* Text1 = nullptr; // Last X
    QLineEdit* Text2 = nullptr; // Last Y
    QLineEdit* Text3 = nullptr; // Total
};

} // namespace plevo
