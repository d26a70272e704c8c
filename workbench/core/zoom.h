#pragma once

#include "workbench/core/colourfile.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <vector>

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

// The ways a ZoomMap blends, each giving the same pixels: on any processor, and
// eight pixels at a time on one with AVX2.
enum class ZoomBlending { Portable, Avx2 };
// Whether this processor can blend that way.
bool processorCanBlend(ZoomBlending blending);
// The quickest way this processor can blend.
ZoomBlending quickestBlending();

// zoomInto worked out once for pictures of given sizes and one centre, scale
// and angle: where each target pixel takes its four source pixels from and how
// it weighs them. The show enlarges by the same step at every frame, so only
// the blending is left to do per frame; apply() gives exactly what zoomInto
// gives.
class ZoomMap
{
public:
    ZoomMap(QSize source, QSize target, QPoint centre, double scale, double angle);

    bool isFor(QSize source, QSize target, QPoint centre, double scale, double angle) const;
    // `source` and `target` are of the sizes given, Format_RGB32 as
    // blankPicture makes them (rows of exactly their pixels), and distinct. A
    // way of blending that the processor lacks blends portably.
    void apply(const QImage& source, QImage& target, ZoomBlending blending = quickestBlending()) const;

    // A target pixel whose four source pixels all lie inside the source takes
    // them at a byte offset; the others are black or blended from black, at
    // their position in 256ths of a pixel.
    static constexpr std::int32_t kOutside = -1;
    static constexpr std::int32_t kAtEdge = -2;
    struct EdgePixel
    {
        int x256;
        int y256;
    };

private:
    QSize m_source;
    QSize m_target;
    QPoint m_centre;
    double m_scale;
    double m_angle;
    std::vector<std::int32_t> m_from;      // per target pixel, row by row
    std::vector<std::uint16_t> m_weights;  // towards the right in the low byte, towards below in the high one
    std::vector<EdgePixel> m_edges;        // of the kAtEdge pixels, in their order
};

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
    // The enlargement of the last step, kept for the next one.
    std::shared_ptr<const ZoomMap> map;
    bool fromShown = false;
    // Every way gives the same frames.
    ZoomBlending blending = quickestBlending();

    // The fading pixel's colour for this step: `stepCount` hundredths of the
    // way from entry `colourIndex` to the next; then moves on a hundredth, and
    // after entry 15's fade starts again at entry 3.
    QRgb nextColour(const ColourTable& table);
    // One step on the 800 x 600 pictures: the fading pixel is set in the
    // drawing surface, which is enlarged into `shown`, and what is shown is the
    // surface the next step enlarges. So that no frame is copied, only the
    // first step (and the first after restartFromSurface) takes `surface`;
    // every later one takes the frame it showed, enlarges it into `surface` and
    // swaps the two pictures, leaving in `surface` a frame that nothing shows.
    void run(const ColourTable& table, QImage& surface, QImage& shown);
    // The next step enlarges `surface` again, as after a fresh start.
    void restartFromSurface() { fromShown = false; }
};

} // namespace tessel
