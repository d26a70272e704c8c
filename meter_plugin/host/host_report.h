#pragma once

#include "meter_plugin/host/wide_text.h"

// How the test host tells a test what it sees: lines on standard output.
namespace dovrik::host {

// Writes one line in one call, since several threads report.
void report(const char* format, ...);

} // namespace dovrik::host
