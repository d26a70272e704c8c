#pragma once

#include "common/core/skinfont.h"

// The skin font is the kit's own, shared with the skin checker.
namespace tessel {

using kit::kGlyphWidth;
using kit::kGlyphHeight;
using kit::kBlankGlyph;
using kit::glyphFor;

} // namespace tessel
