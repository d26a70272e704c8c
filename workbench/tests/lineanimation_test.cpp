#include "workbench/core/lineanimation.h"
#include "workbench/core/pixels.h"
#include "workbench/core/zoom.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

using namespace tessel;

TEST(ColourDrift, ArrivesAfter64StepsAndThenHeadsForTheNextColour)
{
    ColourDrift drift;
    drift.reset(qRgb(0, 0, 0), qRgb(255, 128, 64));
    EXPECT_EQ(drift.step(qRgb(1, 1, 1)), qRgb(3, 2, 1));
    for (int step = 2; step < ColourDrift::kSteps; ++step)
        drift.step(qRgb(1, 1, 1));
    EXPECT_EQ(drift.step(qRgb(1, 1, 1)), qRgb(255, 128, 64));
    EXPECT_EQ(drift.step(qRgb(0, 0, 0)), qRgb(252, 126, 63));
}

TEST(AboutFade, FadesEachLineOutAndTheNextInAndShowsLineZeroOnlyOnce)
{
    AboutFade fade;
    const struct
    {
        int steps, line, brightness, step;
    } after[] = {{1, 0, 252, 3}, {84, 1, 0, -3}, {85, 1, 255, -3}, {1, 1, 255, 3}, {1, 1, 252, 3}};
    for (const auto& expected : after) {
        for (int i = 0; i < expected.steps; ++i)
            fade.step();
        EXPECT_EQ(fade.lineIndex, expected.line);
        EXPECT_EQ(fade.brightness, expected.brightness);
        EXPECT_EQ(fade.brightnessStep, expected.step);
    }
    fade = {AboutFade::kLastLine, 3, 3};
    fade.step();
    EXPECT_EQ(fade.lineIndex, 1);
    EXPECT_EQ(aboutLine(7), "You");
    EXPECT_EQ(aboutLine(24).find('\n'), 50u);
    EXPECT_EQ(aboutLine(25), "END");
    EXPECT_EQ(aboutLine(-1), "END");
}

TEST(ShowPattern, TurnsItsRadiiAtFourHundredAndItsAngleToZeroOnOverflow)
{
    QImage tiny = blankPicture({1, 1});
    ShowPattern pattern(std::numeric_limits<std::int32_t>::max() - 10, 1000);
    pattern.draw(tiny, qRgb(255, 255, 255));
    // 401 after the first segment, then one less with each of the other 561.
    EXPECT_EQ(pattern.radius1(), -160);
    EXPECT_EQ(pattern.angle(), 561 * 1000);
    pattern.nextFrame();
    EXPECT_EQ(pattern.angleStep(), 22);
    pattern.nextFrame();
    EXPECT_EQ(pattern.angleStep(), 23);
}

TEST(Zoom, EnlargesAboutItsCentreAndIsSafeWhateverItIsGiven)
{
    QImage source = blankPicture({40, 30});
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            source.setPixel(x, y, qRgb(x, y, 1));
    QImage target = blankPicture({40, 30});
    zoomInto(source, target, {20, 15}, 1, 0);
    EXPECT_EQ(target, source);
    zoomInto(source, target, {20, 15}, 2, 0);
    EXPECT_EQ(target.pixel(20, 15), source.pixel(20, 15));
    EXPECT_EQ(target.pixel(24, 11), source.pixel(22, 13));
    zoomInto(source, target, {20, 15}, 1, std::acos(-1.0) / 2);
    EXPECT_EQ(target.pixel(25, 15), source.pixel(20, 10));

    // Values that are no scale or no angle copy; any others at least stay in the picture.
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kMax = std::numeric_limits<double>::max();
    for (const double scale : {kNaN, kInf, -kInf, 0.0, -1.0})
        for (const double angle : {kNaN, kInf}) {
            target.fill(qRgb(9, 9, 9));
            zoomInto(source, target, {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}, scale, angle);
            EXPECT_EQ(target, source) << scale << " " << angle;
        }
    for (const double scale : {kMax, 1e-308, zoomScale(32767), zoomScale(-32768)})
        for (const double angle : {1e300, -7.0})
            for (const QPoint centre : {QPoint(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()), QPoint()})
                zoomInto(source, target, centre, scale, angle);
    EXPECT_EQ(zoomScale(8), 1.25);
    EXPECT_EQ(zoomScale(-32), 0.5);
}

TEST(Zoom, FadesThePixelThroughTheAnalyzerEntriesAndStartsAgainAfterFifteen)
{
    ColourTable table {};
    table[3] = {200, 0, 0};
    table[4] = {0, 100, 0};
    ZoomStep step;
    EXPECT_EQ(step.nextColour(table), qRgb(200, 0, 0));
    for (int i = 1; i < 50; ++i)
        step.nextColour(table);
    EXPECT_EQ(step.nextColour(table), qRgb(100, 50, 0));
    for (int i = 51; i <= ZoomStep::kFadeSteps; ++i)
        step.nextColour(table);
    EXPECT_EQ(step.colourIndex, 4);
    for (int i = 0; i < 12 * (ZoomStep::kFadeSteps + 1); ++i)
        step.nextColour(table);
    EXPECT_EQ(step.colourIndex, 3);
}

namespace {

// The zoom from its description alone: each target pixel centre shows the
// source at centre + turn(-angle)(p - centre) / scale, in 256ths of a pixel
// from the top left pixel's centre, the four pixels around it weighed and each
// weighing rounded to nearest.
QImage plainZoom(const QImage& source, QSize size, QPoint centre, double scale, double angle)
{
    const auto channelsAt = [&source](int x, int y) {
        const bool inside = x >= 0 && y >= 0 && x < source.width() && y < source.height();
        const QRgb pixel = inside ? source.pixel(x, y) : qRgb(0, 0, 0);
        return std::array {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    };
    QImage target = blankPicture(size);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const double dx = x - centre.x(), dy = y - centre.y();
            const double turnedX = std::cos(angle) * dx + std::sin(angle) * dy;
            const double turnedY = std::cos(angle) * dy - std::sin(angle) * dx;
            const auto x256 = std::int64_t(std::floor((centre.x() + turnedX / scale) * 256));
            const auto y256 = std::int64_t(std::floor((centre.y() + turnedY / scale) * 256));
            const int left = int(x256 >> 8), top = int(y256 >> 8), right = int(x256 & 0xff), down = int(y256 & 0xff);
            const auto weigh = [](int a, int b, int towardsB) { return (a * (256 - towardsB) + b * towardsB + 128) >> 8; };
            const auto aboveLeft = channelsAt(left, top), aboveRight = channelsAt(left + 1, top);
            const auto belowLeft = channelsAt(left, top + 1), belowRight = channelsAt(left + 1, top + 1);
            std::array<int, 3> mixed {};
            for (size_t c = 0; c < 3; ++c)
                mixed[c] = weigh(weigh(aboveLeft[c], aboveRight[c], right), weigh(belowLeft[c], belowRight[c], right), down);
            target.setPixel(x, y, qRgb(mixed[0], mixed[1], mixed[2]));
        }
    return target;
}

QImage noise(QSize size, unsigned seed)
{
    std::minstd_rand random(seed);
    QImage picture = blankPicture(size);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, 0xff000000 | QRgb(random()));
    return picture;
}

// Each way of blending, where the processor has it: a way it lacks would
// blend portably and so prove nothing.
class ZoomBlendings : public testing::TestWithParam<ZoomBlending>
{
protected:
    void SetUp() override
    {
        if (!processorCanBlend(GetParam()))
            GTEST_SKIP() << "this processor cannot blend this way";
    }
};

} // namespace

TEST_P(ZoomBlendings, BlendEachPixelFromItsFourNeighboursAsThePlainArithmeticDoes)
{
    // Shrinking and enlarging, about centres inside and outside, turned every
    // way; rows short of a whole block, pictures of one pixel, and pixels
    // outside, at the edges and inside in every mix.
    const struct
    {
        QSize source, target;
        QPoint centre;
        double scale, angle;
    } cases[] = {
        {{37, 23}, {41, 29}, {5, 20}, zoomScale(-7), 0.7},
        {{64, 48}, {64, 48}, {-10, 60}, zoomScale(13), -2.9},
        {{9, 200}, {131, 3}, {4, 100}, zoomScale(-20), 1.0 / 32},
        {{800, 600}, {803, 601}, {320, 270}, zoomScale(1), 1.0 / 32},
        {{1, 1}, {7, 5}, {0, 0}, zoomScale(-1), 2.0},
        {{50, 40}, {33, 17}, {25, 20}, zoomScale(-32768), -0.1},
    };
    for (const auto& each : cases) {
        const QImage source = noise(each.source, unsigned(each.target.width()));
        QImage target = blankPicture(each.target);
        ZoomMap(each.source, each.target, each.centre, each.scale, each.angle).apply(source, target, GetParam());
        EXPECT_EQ(target, plainZoom(source, each.target, each.centre, each.scale, each.angle))
            << each.target.width() << " x " << each.target.height();
    }
}

TEST_P(ZoomBlendings, KeepTheShowsFramesTheSameBitForBit)
{
    ColourTable table {};
    for (int i = 0; i < kColourEntries; ++i)
        table[size_t(i)] = {11.0 * i, 255.0 - 11 * i, 7.0 * i};
    QImage surface = blankPicture({800, 600});
    QImage shown = blankPicture({800, 600});
    ZoomStep step;
    step.blending = GetParam();
    // Enough steps for the rings to reach every edge of the picture.
    for (int frame = 0; frame < 200; ++frame)
        step.run(table, surface, shown);
    const QByteArray pixels(reinterpret_cast<const char*>(shown.constBits()), shown.sizeInBytes());
    EXPECT_EQ(QCryptographicHash::hash(pixels, QCryptographicHash::Sha256).toHex().toStdString(),
              "8e1d45e7a2be8a0abaf0f266ebc9084fff59aa68e72ace1b744032e511b95d18");
}

namespace tessel {
void PrintTo(ZoomBlending blending, std::ostream* out) { *out << (blending == ZoomBlending::Portable ? "Portable" : "Avx2"); }
} // namespace tessel

INSTANTIATE_TEST_SUITE_P(Zoom, ZoomBlendings, testing::Values(ZoomBlending::Portable, ZoomBlending::Avx2),
                         testing::PrintToStringParamName());
