#pragma once

#include "workbench/core/colourfile.h"

#include <QRgb>

// Arithmetic of Tessel's colour editor: from table values to the 0-255 whole
// numbers of the bars and the screen, and the linear fade over a range.
namespace tessel {

// A table component as the red, green or blue bar can hold it: cut to 0..255
// and made whole by rounding to nearest.
int barValue(double component);

// The colour an entry is painted in: each component as barValue gives it.
QRgb entryColour(const ColourEntry& entry);

// Cuts every component above 255 down to 255, as selecting an entry for
// editing does. Other components, negative or fractional ones too, stay.
void cutTo255(ColourEntry& entry);

// Fills the entries from the smaller to the larger of `start` and `end` with a
// linear run between the colours of those two entries, whichever is larger.
// Each value is rounded to nearest and one above 255 is stored as 255, so the
// end entries get their own colours back, made whole. Every value stays finite
// and between the two ends, whatever they hold. Nothing happens when start
// equals end or either lies outside the table.
void Fade(ColourTable& table, int start, int end);

} // namespace tessel
