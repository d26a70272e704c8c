#pragma once

#include <QPixmap>

namespace kit {

// A transparent pixmap `size` window pixels large that holds as many device
// pixels as the screen shows there, so that art painted into it in window
// pixels stays sharp on a high-density screen instead of being blown up.
QPixmap screenPixmap(QSize size);

} // namespace kit
