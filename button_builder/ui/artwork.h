#pragma once

#include <QPixmap>

namespace knapro {

// Knapro's logo, `size` pixels square: a sheet of player buttons with a dashed
// cutting line across it. Drawn at run time; the program ships no picture files.
QPixmap logoPicture(int size);

} // namespace knapro
