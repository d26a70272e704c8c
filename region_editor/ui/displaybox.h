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

    // From now on each text is shown at the largest size up to `largestPixelSize`
    // at which it fits the box whole, for counts that may run to six digits in a
    // box made for three.
    void shrinkToFit(int largestPixelSize);

private:
    void fitText();

    int m_largestPixelSize = 0;
};

} // namespace plevo
