// Any text read as a colour file gives a table whose file text is 23 lines of
// finite numbers, so a loaded file can always be saved again.
#include "workbench/core/colourfile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tessel::ColourTable table = tessel::colourTableFromText(text);
    for (const tessel::ColourEntry& entry : table)
        for (const double component : entry)
            if (!std::isfinite(component))
                std::abort();

    const std::string written = tessel::colourFileText(table);
    std::size_t lines = 0;
    for (std::size_t at = written.find("\r\n"); at != std::string::npos; at = written.find("\r\n", at + 2))
        ++lines;
    if (lines != tessel::kColourEntries || written.find_first_of("ni") != std::string::npos)
        std::abort();
    return 0;
}
