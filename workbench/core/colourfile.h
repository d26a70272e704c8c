#pragma once

#include "common/core/colourlines.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The visualization colour file Tessel.txt and the colour table it holds.
//
// The player takes the colours of its spectrum analyzer and oscilloscope from 23
// lines of "red, green, blue". Tessel writes them in one exact form and reads
// them back positionally: the n-th line is entry n, whatever it holds. The
// reading rules are the kit's own, shared with the skin checker.
namespace tessel {

using kit::kColourEntries;

// A colour file is 23 short lines and a few notes; anything past this is not one.
inline constexpr std::uintmax_t kColourFileSizeLimit = 1u << 20;

using kit::ColourEntry;
using kit::ColourTable;

// A component or an index as the file writes it: a blank and the digits for
// zero and above, a minus sign and the digits below zero. A fractional part is
// kept with a point and without trailing zeros (" 12.5", "-0.25"); a whole value
// has no point (" 0", " 255", "-3"). The value must be finite.
std::string numberText(double value);

using kit::leadingNumber;

// The whole file text for `table`: 23 lines "r, g, b  // i" with CR LF each,
// every number in numberText form, and nothing after the last CR LF.
std::string colourFileText(const ColourTable& table);

using kit::colourTableFromText;

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
