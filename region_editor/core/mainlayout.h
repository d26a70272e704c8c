#pragma once

// The main window's geometry in twips, kept as 32-bit floats the way the form
// stores it, so that magnifying and shrinking step by step lands exactly where the
// form's own arithmetic lands (including the bottom row's shared top after x2 then 1/2).
namespace plevo {

struct TwipsRect
{
    float left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct TwipsLine
{
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const TwipsLine&, const TwipsLine&) = default;
};

struct MainLayout
{
    float formWidth = 0, formHeight = 0; // client area
    TwipsRect Frame1, Image1;
    TwipsLine Line7, Line8;
    TwipsRect Image4, Image18, Image8, Image6;
    TwipsRect Label1, Text1, Label2, Text2;
    TwipsRect ProgressBar1, Text3;
    TwipsRect Picture1, Picture2, Picture3, Picture4; // tools, file, magnify, extras panels

    // The layout at 1x.
    static MainLayout initial();
    friend bool operator==(const MainLayout&, const MainLayout&) = default;
};

inline constexpr float kPictureWidth1x = 4125; // 275 px
inline constexpr float kLargestPictureHeight = 6960; // 4x
inline constexpr float kSmallestHalvablePictureHeight = 1800;

// Doubles the picture and moves everything below and right of it. Returns false,
// changing nothing, when the picture is already at its largest.
bool magnifyDouble(MainLayout& layout);

// Halves the picture (whole twips, rounded down) and moves everything back.
// Returns false, changing nothing, when the picture is already at its smallest.
bool magnifyHalf(MainLayout& layout);

// Twips per skin pixel for a picture of the given width: 15 at 1x, 30 at 2x, 60 at 4x.
int readoutScale(float pictureWidthTwips);

// The readout for a pointer position in twips from the picture's edge: the skin
// pixel's number counted from 1, i.e. the coordinate of its lower right corner.
int readoutValue(float positionTwips, int scale);

// The readout for the screen pixel `pixel`, counted from the edge of a picture
// `pictureWidthTwips` wide.
int readoutAtPixel(int pixel, float pictureWidthTwips);

} // namespace plevo
