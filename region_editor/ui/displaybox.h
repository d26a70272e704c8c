#pragma once

#include <QLineEdit>

namespace plevo {

// A text box that only displays: the user cannot type into it or focus it, and
// a text too long for it shows its start, where the message begins.
class DisplayBox : public QLineEdit
{
    Q_OBJECT
public:
    DisplayBox(const char* name, QWidget* parent);
};

} // namespace plevo
