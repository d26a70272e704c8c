#pragma once

#include <QRect>

// The region editor's windows are laid out in twips: 15 twips make one pixel at
// 96 dots per inch.
namespace plevo {

inline constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel; an exact half rounds away from zero.
constexpr int twipsToPixels(double twips)
{
    const double pixels = twips / kTwipsPerPixel;
    return pixels >= 0 ? static_cast<int>(pixels + 0.5) : -static_cast<int>(-pixels + 0.5);
}

constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// A rectangle laid out in twips, in whole pixels.
inline QRect twipsToPixels(double left, double top, double width, double height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace plevo
