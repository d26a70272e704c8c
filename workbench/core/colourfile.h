#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The visualization colour file Tessel.txt and the colour table it holds.
//
// The player takes the colours of its spectrum analyzer and oscilloscope from 23
// lines of "red, green, blue". Tessel writes them in one exact form and reads
// them back positionally: the n-th line is entry n, whatever it holds.
namespace tessel {

inline constexpr int kColourEntries = 23;
// A colour file is 23 short lines and a few notes; anything past this is not one.
inline constexpr std::uintmax_t kColourFileSizeLimit = 1u << 20;

// Red, green, blue in that order. A component is a real number: values read
// from a file are kept as read (above 255, negative or fractional) until the
// entry is edited.
using ColourEntry = std::array<double, 3>;
using ColourTable = std::array<ColourEntry, kColourEntries>;

// A component or an index as the file writes it: a blank and the digits for
// zero and above, a minus sign and the digits below zero. A fractional part is
// kept with a point and without trailing zeros (" 12.5", "-0.25"); a whole value
// has no point (" 0", " 255", "-3"). The value must be finite.
std::string numberText(double value);

// The number at the front of `text`: blanks, tabs, CRs and LFs are skipped, then
// an optional sign, digits and an optional point with more digits are taken, up
// to the first character that cannot continue the number. Text without a digit
// there gives 0. A number too large for a double gives the largest double.
double leadingNumber(std::string_view text);

// The whole file text for `table`: 23 lines "r, g, b  // i" with CR LF each,
// every number in numberText form, and nothing after the last CR LF.
std::string colourFileText(const ColourTable& table);

// The table that `text` gives when read line by line by position. For each entry
// red is the leading number; the text up to and including the next comma is
// dropped (all of it stays when it holds no comma, so "40,50" reads as 40, 50,
// 50 and "60" as 60, 60, 60); green likewise; then blue; then the text before
// the CR that ends the line read is dropped. Whatever follows the third number on a line is
// ignored, and lines after the 23rd are ignored. Once no CR is left, an LF ends
// a line, so files with LF line ends read like CR LF ones. When the text runs
// out of line ends the rest counts as used up, so entries it does not reach are 0.
ColourTable colourTableFromText(std::string_view text);

// What Tessel shows of a loaded file: one line "r, g, b" per entry, and one
// line "// i" per entry, both with CR LF after every line.
std::string colourValuesText(const ColourTable& table);
std::string colourNotesText();

// Replaces the file at `path` with colourFileText(table). The old file is
// replaced only once the new text is completely written, so a failure leaves
// it as it was. Returns an empty string, or the system's reason for a failure.
[[nodiscard]] std::string WriteColourFile(const std::filesystem::path& path, const ColourTable& table);

// Reads the whole file at `path` and fills `table` from it as
// colourTableFromText does. On failure `table` is left untouched and the
// system's reason is returned; on success an empty string.
[[nodiscard]] std::string ReadColourFile(const std::filesystem::path& path, ColourTable& table);

} // namespace tessel
