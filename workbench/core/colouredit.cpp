#include "colouredit.h"

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
        // Each value is weighed from both ends instead of adding up steps: the
        // difference of two values near the largest double is no double, and the
        // weights 0 and 1 give the ends back exactly. Rounding cannot carry a
        // value past either end.
        const double towardsHigh = double(k - low) / (high - low);
        for (size_t c = 0; c < 3; ++c) {
            const double value = std::clamp(from[c] * (1 - towardsHigh) + to[c] * towardsHigh,
                                            std::min(from[c], to[c]), std::max(from[c], to[c]));
            table[static_cast<size_t>(k)][c] = value > 255 ? 255.0 : std::round(value);
        }
    }
}

} // namespace tessel
