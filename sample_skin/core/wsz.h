#pragma once

#include "sample_skin/core/sampleskin.h"

#include <string>
#include <vector>

namespace sample {

// The bytes of a skin archive (.wsz, a zip file) that holds `files` at its top
// level, deflated, each dated 1 January 2000, 00:00, so that the same files
// always make the same archive. Empty, with the reason in `error`, on failure.
std::string wszBytes(const std::vector<SkinFile>& files, std::string& error);

} // namespace sample
