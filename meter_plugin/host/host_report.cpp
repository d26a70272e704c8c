#include "meter_plugin/host/host_report.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace dovrik::host {

void report(const char* format, ...)
{
    char line[1024];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(line, sizeof line - 1, format, args);
    va_end(args);
    const auto end = static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(sizeof line) - 2));
    line[end] = '\n';
    std::fwrite(line, 1, end + 1, stdout);
    std::fflush(stdout);
}

} // namespace dovrik::host
