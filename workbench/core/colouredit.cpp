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
    for (size_t c = 0; c < 3; ++c) {
        const double step = (to[c] - from[c]) / (high - low);
        for (int k = low; k <= high; ++k) {
            const double value = from[c] + step * (k - low);
            table[static_cast<size_t>(k)][c] = value > 255 ? 255.0 : std::round(value);
        }
    }
}

} // namespace tessel
