#pragma once

#include <QPixmap>

// The presentation windows' own pictures, painted at start-up.
namespace plevo {

// Plevo's emblem: a region's polygon with its corner markers on a skin-coloured
// tile, at any size.
QPixmap programIcon(QSize size);

// The splash window's 226 x 116 background.
QPixmap splashPicture();

// The exit credits' 250 x 244 background.
QPixmap creditsPicture();

} // namespace plevo
