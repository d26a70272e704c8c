#pragma once

#include <chrono>

namespace tessel {

// The workbench's window timers tick no faster than a display refreshes: about
// 64 ticks a second, the pace their animations and refreshes were made for.
inline constexpr std::chrono::milliseconds kTickInterval {16};

} // namespace tessel
