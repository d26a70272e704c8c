#pragma once

#include "skin_checker/core/findings.h"

#include <string>

// How the checker prints its findings, as linters do.
namespace skincheck {

// One line per finding, "SKIN: FILE: LEVEL: reason", or "SKIN: LEVEL: reason"
// for a finding about the skin as a whole. `quiet` keeps only the errors.
std::string textReport(const SkinReport& report, bool quiet);

// One JSON object on one line:
//   {"skin": "...", "readable": true, "folder": "Blue/" or null,
//    "findings": [{"level": "error", "file": "..." or null, "reason": "...",
//                  "colourEntry": 3, "regionSection": "Normal", "polygon": 0}]}
// where colourEntry, regionSection and polygon appear only on findings that
// point into a file. Text that is not UTF-8 shows as U+FFFD.
std::string jsonReport(const SkinReport& report, bool quiet);

} // namespace skincheck
