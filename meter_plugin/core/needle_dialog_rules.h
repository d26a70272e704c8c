#pragma once

#include "meter_plugin/core/meter_values.h"

// The arithmetic of the needle dialog ("Set Needle"): what its two sliders, two
// number boxes and three preset buttons do to the full scale nVULimit, the fall
// step nDelay and the decay factor decayPerMille. The dialog itself only moves
// its controls; every value it changes is changed here.
//
// The upper slider and box give the fall per frame in per mille of the full
// scale, the lower ones the full scale itself. The decay factor is taken once,
// when the dialog opens or a preset is chosen; moving the full scale keeps the
// fall at that factor, whatever the upper slider has been moved to since.
//
// All fractions are cut toward zero. The products with the decay factor are
// taken as the factor is stored, in single precision, and the final scaling by
// 0.001 in double precision. This holds on every target: a build that would
// carry floats in wider registers does not compile.
namespace dovrik {

inline constexpr int kPerMilleLowest = 1;
inline constexpr int kPerMilleHighest = 60;
inline constexpr int kVULimitLowest = 1024;
inline constexpr int kVULimitHighest = 8192;

// What the dialog shows after a refresh: the fall in per mille (upper slider and
// box) and the full scale (lower slider and box).
struct NeedleDialogView {
    int perMille = 0;
    int vuLimit = 0;
    friend bool operator==(const NeedleDialogView&, const NeedleDialogView&) = default;
};

enum class NeedlePreset { Low, Middle, High };

// Opening: decayPerMille = nDelay x 1000 / nVULimit, stored as a 32-bit float.
void openNeedleDialog(MeterValues& values);

// Refresh: what the controls show, p = the per mille cut to a whole number and
// the full scale. The numbers the dialog puts into its own boxes are not typing
// and change no value. Taken as typing, they would set nDelay from p, which is
// cut, and then from the full scale times the float decay factor, which can lie
// just below the true ratio; and where the lower box refuses the full scale
// (below 1024, where ranging can end) the cut one would stand. Either way,
// opening the dialog and closing it untouched would lower the fall step, and
// again at every opening.
NeedleDialogView refreshNeedleDialog(const MeterValues& values);

// The upper slider dragged to `position`: nDelay = nVULimit x position x 0.001.
void perMilleDragged(MeterValues& values, int position);

// The lower slider dragged to `position`: it becomes nVULimit, and nDelay =
// position x decayPerMille x 0.001.
void vuLimitDragged(MeterValues& values, int position);

// A number in the upper box. Between 1 and 60 it moves the upper slider there
// (the result is true) and nDelay = number x nVULimit x 0.001; any other number,
// and a text that is no number (0), changes nothing.
bool perMilleTyped(MeterValues& values, unsigned number);

// A number in the lower box. Between 1024 and 8192 it moves the lower slider
// there (true), becomes nVULimit, and nDelay = number x decayPerMille x 0.001;
// any other changes nothing.
bool vuLimitTyped(MeterValues& values, unsigned number);

// A preset button: full scale, fall step and decay factor at once. The dialog
// refreshes afterwards.
void applyNeedlePreset(MeterValues& values, NeedlePreset preset);

} // namespace dovrik
