#include "workbench/core/colouredit.h"

#include <algorithm>
#include <cmath>

namespace tessel {

int barValue(double component)
{
    return static_cast<int>(std::lround(std::clamp(component, 0.0, 255.0)));
}

QRgb entryColour(const ColourEntry& entry)
{
    return qRgb(barValue(entry[0]), barValue(entry[1]), barValue(entry[2]));
}

void cutTo255(ColourEntry& entry)
{
    for (double& component : entry)
        component = std::min(component, 255.0);
}

void Fade(ColourTable& table, int start, int end)
{
    const auto inTable = [](int index) { return index >= 0 && index < kColourEntries; };
    if (start == end || !inTable(start) || !inTable(end))
        return;
    const int low = std::min(start, end);
    const int high = std::max(start, end);
    const ColourEntry from = table[static_cast<size_t>(low)];
    const ColourEntry to = table[static_cast<size_t>(high)];
    for (int k = low; k <= high; ++k) {
        for (size_t c = 0; c < 3; ++c) {
            // Each entry is the low end plus whole steps, so that a value landing on
            // a half (1 + 4.5) rounds as the author reckons it. Only where the two
            // ends are too far apart for their difference to be a double is each
            // value weighed from both ends instead. The high end is its own value,
            // and clamping keeps rounding from carrying a value past either end.
            const double span = to[c] - from[c];
            double value = to[c];
            if (k < high) {
                const double towardsHigh = double(k - low) / (high - low);
                value = std::isfinite(span) ? from[c] + span / (high - low) * (k - low)
                                            : from[c] * (1 - towardsHigh) + to[c] * towardsHigh;
            }
            value = std::clamp(value, std::min(from[c], to[c]), std::max(from[c], to[c]));
            table[static_cast<size_t>(k)][c] = value > 255 ? 255.0 : std::round(value);
        }
    }
}

} // namespace tessel
