#include "button_builder/core/randomcolours.h"

#include <chrono>
#include <random>

namespace knapro {
namespace {

constexpr std::uint64_t kGoldenGamma = 0x9e3779b97f4a7c15ull;

// The finaliser of SplitMix64: spreads every input bit over the whole result.
std::uint64_t mixBits(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

std::uint64_t freshState()
{
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

} // namespace

std::uint64_t ClockMixedRandom::microsecondsSinceMidnight()
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<microseconds>(system_clock::now().time_since_epoch());
    return static_cast<std::uint64_t>(sinceEpoch.count() % duration_cast<microseconds>(days(1)).count());
}

ClockMixedRandom::ClockMixedRandom(TimeOfDay timeOfDay)
    : ClockMixedRandom(std::move(timeOfDay), freshState())
{
}

ClockMixedRandom::ClockMixedRandom(TimeOfDay timeOfDay, std::uint64_t initialState)
    : m_timeOfDay(std::move(timeOfDay))
    , m_state(initialState)
{
}

std::int16_t ClockMixedRandom::Random()
{
    // Mixing the clock into the state, rather than seeding anew from it, keeps the
    // sequence moving even when the clock has not changed since the last draw.
    m_state = (m_state ^ mixBits(m_timeOfDay())) + kGoldenGamma;
    // 24 random bits make a value in [0, 1) with single precision's resolution;
    // scaling it by 255 and truncating is done in integers, so 255 cannot appear.
    const std::uint64_t fraction = mixBits(m_state) >> 40;
    return static_cast<std::int16_t>((fraction * 255) >> 24);
}

std::string randomColourFileBytes(const std::function<std::int16_t()>& random)
{
    std::string text = "0,0,0\r\n0,0,0\r\n";
    for (int line = 0; line < 22; ++line) {
        const std::int16_t red = random();
        const std::int16_t green = random();
        const std::int16_t blue = random();
        text += std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue) + "\r\n";
    }
    return text;
}

} // namespace knapro
