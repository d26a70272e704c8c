#pragma once

#include <QString>

class QWidget;

namespace kit {

class Settings;

// Puts `window` where it stood when it was last hidden or closed, and remembers
// its place again each time it is. Call it before the window is first shown, and
// only for windows whose place the program does not fix itself. A place that
// lies on no screen any longer is left to the desktop.
void rememberPlacement(QWidget* window, Settings& settings, const QString& name);

} // namespace kit
