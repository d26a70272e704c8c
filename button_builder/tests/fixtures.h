#pragma once

#include "button_builder/core/elementtable.h"

#include <QImage>
#include <QString>

namespace knapro::testing {

// The colour that elementPicture() gives the cut of the n-th clickable area of a tab.
QRgb elementColour(int areaNumber);
inline constexpr QRgb kBackground = 0xff404040;

// A 275 x 116 window picture of `tab`: every element's cut filled with its own
// colour (later areas over earlier ones), the rest kBackground.
QImage elementPicture(int tab);

// A picture in diagonal stripes of black, red, green and blue, and the same
// picture written as a GIF file (Qt has no GIF writer of its own).
QImage stripedPicture(int width, int height);
bool writeStripedGif(const QString& path, int width, int height);

} // namespace knapro::testing
