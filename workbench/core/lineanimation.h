#pragma once

#include <QImage>
#include <QPoint>

#include <cstdint>
#include <string_view>

// The line animations of the about window and of the show: a colour that drifts
// between random colours, the patterns of connected line segments, and the
// about window's fading text lines.
namespace tessel {

// A colour whose red, green and blue are each a random whole number from 0 to 255.
QRgb randomColour();

// A colour on its way from one colour to the next in 64 steps.
class ColourDrift
{
public:
    static constexpr int kSteps = 64;

    void reset(QRgb from, QRgb to);
    // Moves one step further and returns the colour there. Once it arrives, the
    // colour it came to is where the next drift starts, and `upcoming` is where
    // that one goes.
    QRgb step(QRgb upcoming);

private:
    QRgb m_from = qRgb(0, 0, 0);
    QRgb m_to = qRgb(0, 0, 0);
    int m_step = 0;
};

// The about window's pattern: segments whose ends go round a centre, at
// (centre x + r1 cos a, centre y + r2 sin a). Within one call the angle a
// advances by the angle step for each segment; between calls the step grows
// by 1/1024 (it starts at 1) and the radii breathe: they start at 100 and
// move by 1 and 2, turning round once they pass 100 or -100.
class AboutPattern
{
public:
    static constexpr int kSegments = 120;
    static constexpr int kRadius = 100;

    explicit AboutPattern(QPoint centre) : m_centre(centre), m_pen(centre + QPoint(kRadius, 0)) {}
    // The next 120 segments in `colour`; the first starts where the last one of
    // the previous call ended.
    void draw(QImage& picture, QRgb colour);

private:
    QPoint m_centre;
    QPoint m_pen;
    double m_angle = 0;
    double m_angleStep = 1;
    int m_radius1 = kRadius;
    int m_radius2 = kRadius;
    int m_change1 = 1;
    int m_change2 = 2;
};

// The about window's text: which line shows and how bright it is. A line fades
// out from 255 in steps of 3; at 0 the next line fades in, and from full
// brightness it fades out again. After line 24 the lines start again at 1, so
// line 0 shows only once.
struct AboutFade
{
    static constexpr int kLastLine = 24;

    int lineIndex = 0;
    int brightness = 255;
    int brightnessStep = 3;

    void step();
};

// The about window's text line `index`, "END" past the last; line 24 is two lines.
std::string_view aboutLine(int index);

// The show's pattern on its 800 x 600 surface: 562 connected segments a frame,
// ends at (400 + r1 cos a, 300 + r2 sin a). Before each segment the angle a
// grows by the angle step and each radius by its change, which turns round once
// the radius passes 400 or -400. The angle is a whole number of radians that
// goes back to 0 when it would overflow 32 bits; the angle step grows by one a
// frame and starts again at 22 once it passes 1000.
class ShowPattern
{
public:
    static constexpr QSize kSize {800, 600};
    static constexpr int kSegments = 562;

    ShowPattern() = default;
    // A pattern part way through its run.
    ShowPattern(std::int32_t angle, int angleStep) : m_angle(angle), m_angleStep(angleStep) {}

    // The frame's segments in `colour`; the first starts where the last one of
    // the previous frame ended (the centre at first).
    void draw(QImage& surface, QRgb colour);
    void nextFrame();

    std::int32_t angle() const { return m_angle; }
    int angleStep() const { return m_angleStep; }
    int radius1() const { return m_radius1; }

private:
    QPoint m_pen {400, 300};
    int m_radius1 = 400;
    int m_radius2 = 400;
    int m_change1 = 1;
    int m_change2 = 1;
    std::int32_t m_angle = 0;
    int m_angleStep = 22;
};

} // namespace tessel
