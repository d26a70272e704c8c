#include "region_editor/core/mainlayout.h"

#include "region_editor/core/twips.h"

#include <cmath>
#include <initializer_list>

namespace plevo {
namespace {

// Moves every control below and right of the picture by the picture's change in
// size, dw and dh (negative when shrinking), in the form's own order: each step
// reads the values that the steps before it left.
void shiftAroundPicture(MainLayout& l, float dw, float dh)
{
    l.formWidth += dw;
    l.formHeight += dh;
    l.Frame1.width += dw;
    l.Frame1.height += dh;

    for (TwipsLine* line : {&l.Line7, &l.Line8}) {
        line->y1 += dh;
        line->y2 = line->y1;
        line->x2 += dw;
    }

    l.Image8.top += dh;
    l.Image18.top = l.Image8.top;
    l.Image4.top = l.Image8.top;
    l.Image6.top = l.Image8.top;

    for (TwipsRect* panel : {&l.Picture1, &l.Picture2, &l.Picture3, &l.Picture4})
        panel->top += dh;

    for (TwipsRect* beside : {&l.Label1, &l.Label2, &l.Text1, &l.Text2}) {
        beside->top = l.Image8.top;
        beside->left += dw;
    }

    l.ProgressBar1.top += dh;
    l.Text3.top = l.ProgressBar1.top;
    l.ProgressBar1.width = l.Frame1.width - l.Text3.width;
    l.Text3.left = l.ProgressBar1.width;
}

} // namespace

MainLayout MainLayout::initial()
{
    MainLayout l;
    l.formWidth = 4320;
    l.formHeight = 2790;
    l.Frame1 = {0, 0, 4335, 2800};
    l.Image1 = {120, 240, 4125, 1740};
    l.Line7 = {0, 2040, 4320, 2040};
    l.Line8 = {15, 2055, 4320, 2055};
    l.Image4 = {220, 2140, 300, 300};
    l.Image18 = {940, 2140, 300, 300};
    l.Image8 = {1660, 2180, 300, 300};
    l.Image6 = {2400, 2160, 300, 300};
    l.Label1 = {2880, 2160, 255, 255};
    l.Text1 = {3120, 2160, 375, 285};
    l.Label2 = {3600, 2160, 255, 255};
    l.Text2 = {3840, 2160, 375, 285};
    l.ProgressBar1 = {0, 2520, 2175, 265};
    l.Text3 = {2160, 2520, 2160, 285};
    l.Picture2 = {120, 480, 495, 2025};
    l.Picture3 = {840, 960, 495, 1550};
    l.Picture1 = {1560, 240, 460, 2270};
    l.Picture4 = {2030, 240, 495, 460};
    return l;
}

bool magnifyDouble(MainLayout& layout)
{
    const float w = layout.Image1.width;
    const float h = layout.Image1.height;
    if (h >= kLargestPictureHeight)
        return false;
    shiftAroundPicture(layout, w, h);
    layout.Image1.height = 2 * h;
    layout.Image1.width = 2 * w;
    return true;
}

bool magnifyHalf(MainLayout& layout)
{
    const float h = layout.Image1.height;
    if (h <= kSmallestHalvablePictureHeight)
        return false;
    const float halfWidth = std::floor(layout.Image1.width / 2);
    const float halfHeight = std::floor(h / 2);
    shiftAroundPicture(layout, -halfWidth, -halfHeight);
    layout.Image1.height = halfHeight;
    layout.Image1.width = halfWidth;
    return true;
}

int readoutScale(float pictureWidthTwips)
{
    return static_cast<int>(std::floor(pictureWidthTwips / kPictureWidth1x)) * 15;
}

int readoutValue(float positionTwips, int scale)
{
    return static_cast<int>(std::floor(positionTwips / static_cast<float>(scale))) + 1;
}

int readoutAtPixel(int pixel, float pictureWidthTwips)
{
    return readoutValue(static_cast<float>(pixelsToTwips(pixel)), readoutScale(pictureWidthTwips));
}

} // namespace plevo
