#include "meter_plugin/core/needle_dialog_rules.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

// The products with the decay factor are rounded to float only where float
// arithmetic is carried out in float; with wider intermediates (the x87 stack)
// an open and close of the dialog can lose one from the fall step.
static_assert(FLT_EVAL_METHOD == 0, "build with single-precision floats (on 32-bit x86: -msse2 -mfpmath=sse)");

namespace dovrik {
namespace {

// Cuts toward zero; a value beyond int (a settings file can hold any full scale
// and fall step) ends at int's end instead of being undefined.
int cutToInt(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return value <= low ? std::numeric_limits<int>::min()
         : value >= high ? std::numeric_limits<int>::max()
                         : static_cast<int>(value);
}

float perMilleOf(int nDelay, int vuLimit)
{
    return static_cast<float>(nDelay * 1000.0 / vuLimit);
}

int fallAtDecay(int vuLimit, float decayPerMille)
{
    return cutToInt(static_cast<float>(vuLimit) * decayPerMille * 0.001);
}

int fallAtPerMille(int vuLimit, int perMille)
{
    return cutToInt(static_cast<double>(std::int64_t{vuLimit} * perMille) * 0.001);
}

} // namespace

void openNeedleDialog(MeterValues& values)
{
    values.decayPerMille = perMilleOf(values.nDelay, values.nVULimit);
}

NeedleDialogView refreshNeedleDialog(const MeterValues& values)
{
    return {cutToInt(perMilleOf(values.nDelay, values.nVULimit)), values.nVULimit};
}

void perMilleDragged(MeterValues& values, int position)
{
    values.nDelay = fallAtPerMille(values.nVULimit, position);
}

void vuLimitDragged(MeterValues& values, int position)
{
    values.nVULimit = position;
    values.nDelay = fallAtDecay(position, values.decayPerMille);
}

bool perMilleTyped(MeterValues& values, unsigned number)
{
    if (number < kPerMilleLowest || number > kPerMilleHighest)
        return false;
    perMilleDragged(values, static_cast<int>(number));
    return true;
}

bool vuLimitTyped(MeterValues& values, unsigned number)
{
    if (number < kVULimitLowest || number > kVULimitHighest)
        return false;
    vuLimitDragged(values, static_cast<int>(number));
    return true;
}

void applyNeedlePreset(MeterValues& values, NeedlePreset preset)
{
    switch (preset) {
    case NeedlePreset::Low:
        values.nVULimit = 1024;
        values.nDelay = 21;
        values.decayPerMille = 20.5078125f;
        break;
    case NeedlePreset::Middle:
        values.nVULimit = 3072;
        values.nDelay = 63;
        values.decayPerMille = 20.5078125f;
        break;
    case NeedlePreset::High:
        values.nVULimit = 6000;
        values.nDelay = 123;
        values.decayPerMille = 20.5f;
        break;
    }
}

} // namespace dovrik
