#pragma once

#include <QImage>

namespace plevo {

// The built-in 275 x 116 picture of a player's main window that regions are drawn
// on, painted at start-up.
QImage builtInSkin();

} // namespace plevo
