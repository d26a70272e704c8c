#pragma once

// The kit's windows are laid out in twips, the unit of the original forms:
// 15 twips make one pixel at 96 dots per inch.
namespace kit {

inline constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel; an exact half rounds away from zero.
constexpr int twipsToPixels(double twips)
{
    const double pixels = twips / kTwipsPerPixel;
    return pixels >= 0 ? static_cast<int>(pixels + 0.5) : -static_cast<int>(-pixels + 0.5);
}

constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

} // namespace kit
