#include "workbench/core/lineanimation.h"

#include "common/core/regionmask.h"
#include "workbench/core/pixels.h"

#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tessel {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;

int towards(int from, int to, int step, int steps) { return from + (to - from) * step / steps; }

// Moves `radius` by `change`, which turns round once the radius passes `limit` or -`limit`.
void turnAtLimit(int& radius, int& change, int limit)
{
    radius += change;
    if (radius > limit || radius < -limit)
        change = -change;
}

constexpr std::array<std::string_view, AboutFade::kLastLine + 1> kAboutLines {
    "Veskit 1.x By the skin kit's authors",
    "Comes with the skin kit, free software under the MIT licence",
    "Greets to:",
    "Every skin author",
    "Every pixel pusher",
    "Every tester",
    "And",
    "You",
    "Nothing More Here",
    "Really",
    "Believe ME",
    "Write to tessel@example.org",
    "Still Here?",
    "Want a full screen version of this?",
    "Wait a bit more",
    "Well thats it for now",
    "If you want to say anything here let me know",
    "I just may put it up",
    "You can have soon.",
    "You can have cheap.",
    "You can have good.",
    "Choose two.",
    "This is over now.",
    "Thanks for veiwing this. Now for the Easter Egg.",
    "Type in '!Vortex' in the text box without quotes. \nClick screen to start dbclik to end. Enjoy.",
};

} // namespace

QRgb randomColour()
{
    QRandomGenerator& random = *QRandomGenerator::global();
    return qRgb(random.bounded(256), random.bounded(256), random.bounded(256));
}

void ColourDrift::reset(QRgb from, QRgb to)
{
    m_from = from;
    m_to = to;
    m_step = 0;
}

QRgb ColourDrift::step(QRgb upcoming)
{
    if (m_step == kSteps)
        reset(m_to, upcoming);
    ++m_step;
    return qRgb(towards(qRed(m_from), qRed(m_to), m_step, kSteps), towards(qGreen(m_from), qGreen(m_to), m_step, kSteps),
                towards(qBlue(m_from), qBlue(m_to), m_step, kSteps));
}

void AboutPattern::draw(QImage& picture, QRgb colour)
{
    for (int segment = 0; segment < kSegments; ++segment) {
        // Kept within one turn, so that the angle never loses its precision.
        m_angle = std::fmod(m_angle + m_angleStep, kTurn);
        const QPoint end = kit::clampedPoint(m_centre.x() + m_radius1 * std::cos(m_angle), m_centre.y() + m_radius2 * std::sin(m_angle));
        drawLine(picture, m_pen, end, colour);
        m_pen = end;
    }
    m_angleStep = std::fmod(m_angleStep + 1.0 / 1024, kTurn);
    turnAtLimit(m_radius1, m_change1, kRadius);
    turnAtLimit(m_radius2, m_change2, kRadius);
}

void AboutFade::step()
{
    brightness -= brightnessStep;
    if (brightness <= 0) {
        brightnessStep = -3;
        lineIndex = lineIndex >= kLastLine ? 1 : lineIndex + 1;
    } else if (brightness > 255) {
        brightness = 255;
        brightnessStep = 3;
    }
}

std::string_view aboutLine(int index)
{
    return index >= 0 && index < int(kAboutLines.size()) ? kAboutLines[size_t(index)] : "END";
}

void ShowPattern::draw(QImage& surface, QRgb colour)
{
    for (int segment = 0; segment < kSegments; ++segment) {
        if (__builtin_add_overflow(m_angle, m_angleStep, &m_angle))
            m_angle = 0;
        turnAtLimit(m_radius1, m_change1, 400);
        turnAtLimit(m_radius2, m_change2, 400);
        const double angle = m_angle;
        const QPoint end = kit::clampedPoint(400 + m_radius1 * std::cos(angle), 300 + m_radius2 * std::sin(angle));
        drawLine(surface, m_pen, end, colour);
        m_pen = end;
    }
}

void ShowPattern::nextFrame()
{
    ++m_angleStep;
    if (m_angleStep > 1000)
        m_angleStep = 22;
}

} // namespace tessel
