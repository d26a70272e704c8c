#pragma once

#include <QPoint>

#include <span>
#include <string_view>

// The skin's small text font, text.bmp: 5 x 6 pixel cells in three rows of 31.
//
//   row 0:  A B C ... Z  "  @  (blank) (blank) (blank)
//   row 1:  0 1 ... 9  …  .  :  (  )  -  '  !  _  +  \  /  [  ]  ^  &  %  ,  =  $  #
//   row 2:  Å Ö Ä ?  *  (blank ...)
//
// The cell at (145, 0), the thirtieth of row 0, is blank in every skin; blanks
// and characters the font lacks are drawn with it.
namespace kit {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 6;
inline constexpr QPoint kBlankGlyph {145, 0};

// The top left of the glyph for `character` (a Unicode code point) in text.bmp.
// Small letters take their capital's glyph; a character without a glyph of its
// own gives kBlankGlyph.
QPoint glyphFor(char32_t character);

// The font's three rows, each as the characters of its cells from the left.
std::span<const std::u32string_view> fontRows();

} // namespace kit
