#pragma once

#include "workbench/core/colourfile.h"

#include <QImage>

#include <cstdint>

// The show's zoom: a picture enlarged about one point and turned a little,
// fed back into itself step by step, with a pixel at that point fading through
// the analyzer colours of the colour table, so that each colour grows outwards
// as a turning ring.
namespace tessel {

// Fills `target` with `source` enlarged `scale` times about the pixel `centre`
// and turned by `angle` radians: the pixel centre p of `target` shows the
// source at centre + turn(-angle)(p - centre) / scale, blended from the four
// source pixels around that point (black beyond the source), so that even a
// single pixel grows step by step when the result is enlarged again. A scale
// of 1 and an angle of 0 copy the source. Both pictures are Format_RGB32 and
// must be distinct; their sizes may differ. Any values are safe: a scale that
// is not a positive finite number counts as 1, an angle that is not finite as
// 0, and the centre may lie anywhere.
void zoomInto(const QImage& source, QImage& target, QPoint centre, double scale, double angle);

// How much one step enlarges for a zoom factor: 1 + factor / 32 for a factor
// of 0 and above, the inverse of 1 + |factor| / 32 below 0.
double zoomScale(std::int16_t zoomFactor);

// The state of the zoom run through the table's analyzer entries.
struct ZoomStep
{
    static constexpr QPoint kFadingPixel {320, 270};
    static constexpr int kFadeSteps = 100;
    static constexpr double kTurnPerStep = 1.0 / 32;

    int colourIndex = 3;
    int stepCount = 0;
    std::int16_t zoomFactor = 1;
    int frame = 0;

    // The fading pixel's colour for this step: `stepCount` hundredths of the
    // way from entry `colourIndex` to the next; then moves on a hundredth, and
    // after entry 15's fade starts again at entry 3.
    QRgb nextColour(const ColourTable& table);
    // One step on the 800 x 600 drawing surface: the fading pixel is set, the
    // surface is enlarged into `shown`, and what is shown becomes the surface
    // the next step enlarges.
    void run(const ColourTable& table, QImage& surface, QImage& shown);
};

} // namespace tessel
