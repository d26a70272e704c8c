#pragma once

#include <array>
#include <string_view>
#include <vector>

// The rules by which the kit reads a visualization colour file: the n-th line is
// entry n, whatever it holds, and each line gives red, green and blue number by
// number, forgiving of whatever else it holds. Tessel fills its colour table by
// them; the skin checker reads the player's colour file by them.
namespace kit {

// Tessel's colour table: entries 0 to 22.
inline constexpr int kColourEntries = 23;

// Red, green, blue in that order. A component is a real number: values read
// from a file are kept as read (above 255, negative or fractional).
using ColourEntry = std::array<double, 3>;
using ColourTable = std::array<ColourEntry, kColourEntries>;

// The number at the front of `text`: blanks, tabs, CRs and LFs are skipped, then
// an optional sign, digits and an optional point with more digits are taken, up
// to the first character that cannot continue the number. Text without a digit
// there gives 0. A number too large for a double gives the largest double.
double leadingNumber(std::string_view text);

// The table that `text` gives when read line by line by position. For each entry
// red is the leading number; the text up to and including the next comma is
// dropped (all of it stays when it holds no comma, so "40,50" reads as 40, 50,
// 50 and "60" as 60, 60, 60); green likewise; then blue; then the text before
// the CR that ends the line read is dropped. Whatever follows the third number on a line is
// ignored, and lines after the 23rd are ignored. Once no CR is left, an LF ends
// a line, so files with LF line ends read like CR LF ones. When the text runs
// out of line ends the rest counts as used up, so entries it does not reach are 0.
ColourTable colourTableFromText(std::string_view text);

// One entry as the rules above read it, and whether its line says what the
// rules make of it.
struct ColourLine
{
    int lineNumber = 0;    // the line the entry's red number stands on, from 1
    std::string_view text; // that line from its red number on, without the line end
    ColourEntry values {}; // what the rules read for the entry
    // Red, green and blue each stand on that line as a number, the three
    // separated by commas. Otherwise the rules read 0 for a component or take
    // numbers from the lines below.
    bool wholeLine = false;
};

// The entries of `text`, at most `entries` of them, read step by step as
// colourTableFromText reads its 23. The entries end where nothing but blanks
// and line ends is left.
std::vector<ColourLine> readColourLines(std::string_view text, int entries);

} // namespace kit
