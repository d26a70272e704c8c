#pragma once

#include <string>

// Opens the workbench's windows and reports, one per line, every caption of a
// label, push button or check box that does not fit its place (in one line,
// but for a label that wraps its words, which must show all its lines),
// every count that does not show in full from 1,000 up to 999,999 points, and
// a colour list that shows part of a line. Empty when everything fits.
std::string workbenchTextsThatDoNotFit();
