#include "common/core/skinfont.h"

#include <QChar>

#include <string_view>

namespace kit {
namespace {

// Each row of the font as the characters of its cells, from the left.
constexpr std::u32string_view kFontRows[] = {
    U"ABCDEFGHIJKLMNOPQRSTUVWXYZ\"@",
    U"0123456789\u2026.:()-'!_+\\/[]^&%,=$#",
    U"\u00C5\u00D6\u00C4?*",
};

} // namespace

QPoint glyphFor(char32_t character)
{
    const char32_t capital = QChar::toUpper(character);
    for (int row = 0; row < 3; ++row) {
        const size_t cell = kFontRows[row].find(capital);
        if (cell != std::u32string_view::npos)
            return {static_cast<int>(cell) * kGlyphWidth, row * kGlyphHeight};
    }
    return kBlankGlyph;
}

std::span<const std::u32string_view> fontRows() { return kFontRows; }

} // namespace kit
