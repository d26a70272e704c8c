#include "region_editor/ui/displaybox.h"

namespace plevo {

DisplayBox::DisplayBox(const char* name, QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(QLatin1String(name));
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setTextMargins(0, 0, 0, 0);
    // setText leaves the cursor at the end, which scrolls a long text to its end.
    connect(this, &QLineEdit::textChanged, this, [this] { setCursorPosition(0); });
}

} // namespace plevo
