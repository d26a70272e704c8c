// Whatever knapro.dat holds, the count read from it is within 0 to 32767, and
// the count written back reads as itself.
#include "button_builder/core/runcounter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::int16_t count = knapro::parseRunCount(std::string_view(reinterpret_cast<const char*>(data), size));
    if (count < 0)
        std::abort();
    const std::int16_t next = knapro::nextRunCount(count);
    if (knapro::parseRunCount(knapro::runCountFileText(next)) != next || next < count)
        std::abort();
    return 0;
}
