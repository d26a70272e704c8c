#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace knapro {

// Whole numbers from 0 to 254 for random visualization colours. Before every draw
// the time of day is mixed into the generator's running state, so the numbers
// depend on when they are drawn, yet draws within one clock tick still differ.
class ClockMixedRandom
{
public:
    using TimeOfDay = std::function<std::uint64_t()>;

    // Microseconds since midnight by the system clock.
    static std::uint64_t microsecondsSinceMidnight();

    explicit ClockMixedRandom(TimeOfDay timeOfDay = microsecondsSinceMidnight);
    ClockMixedRandom(TimeOfDay timeOfDay, std::uint64_t initialState);

    // One number from 0 to 254; 255 never comes.
    std::int16_t Random();

private:
    TimeOfDay m_timeOfDay;
    std::uint64_t m_state;
};

// The text of a visualization colour file with random colours: two lines "0,0,0",
// then 22 lines "red,green,blue" whose 16-bit components are drawn from `random` in
// the order red, green, blue, line after line. Every line ends in CR LF; nothing else.
std::string randomColourFileBytes(const std::function<std::int16_t()>& random);

} // namespace knapro
