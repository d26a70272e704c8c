#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// How often Knapro has been started, kept in "knapro.dat": one line holding the
// count in decimal, ended by CR LF.
namespace knapro {

inline constexpr std::string_view kRunCounterFileName = "knapro.dat";
inline constexpr std::int16_t kHighestRunCount = 32767;
// The counter is one short number; a longer file is not a counter.
inline constexpr std::uintmax_t kRunCounterFileSizeLimit = 4096;

// The count at the front of the file's text, after any blanks and line breaks.
// A text without a number there (empty, words, a sign without digits) and a
// negative number give 0; a number beyond the 16-bit range gives 32767. Anything
// after the digits is ignored.
std::int16_t parseRunCount(std::string_view text);

// One more than `count`, except that 32767 stays 32767.
std::int16_t nextRunCount(std::int16_t count);

// The file's text for `count`: its decimal digits, then CR LF.
std::string runCountFileText(std::int16_t count);

// "st", "nd", "rd" or "th" by the last digit of `count`; the counts 11, 12 and 13
// themselves take "th" (111 takes "st").
std::string ordinalSuffix(int count);

// "For the record, this is your 2nd time."
std::string timesSentence(int count);

// Counts this start and returns the new count: reads "knapro.dat" in `directory` (a
// missing file, or one that holds no number, counts as 0), adds one and writes the
// new count back whole, as a scratch file (kit::writeScratchFile). A file that is
// there but cannot be read (no read permission, too long, not a regular file) is
// not Knapro's to overwrite: it is left as it is, and this start counts from 1 in
// memory. A file that cannot be written, a symbolic link among them, is left as
// it was and goes unmentioned: the count is still the new one.
std::int16_t countThisStart(const std::filesystem::path& directory);

// Makes `dataDirectory`, where the counter lives, on the first start (the folder
// is not there yet), and carries over the count of a "knapro.dat" in
// `legacyDirectory`, where earlier versions kept it (the working directory). The
// old file is only read: never changed, never deleted. Later starts, and a first
// start without an old file or with an empty `legacyDirectory`, carry nothing over.
void carryOverRunCounter(const std::filesystem::path& dataDirectory, const std::filesystem::path& legacyDirectory);

} // namespace knapro
