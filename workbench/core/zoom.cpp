#include "workbench/core/zoom.h"

#include "workbench/core/colouredit.h"
#include "workbench/core/pixels.h"

#include <immintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <limits>

namespace tessel {

namespace {

// The source pixel at (x, y), black outside the picture.
QRgb pixelOrBlack(const QImage& source, int x, int y)
{
    if (x < 0 || y < 0 || x >= source.width() || y >= source.height())
        return qRgb(0, 0, 0);
    return reinterpret_cast<const QRgb*>(source.constScanLine(y))[x];
}

// Two pixels' blue, green, red and alpha as eight 16-bit lanes, so that one
// instruction weighs all eight.
using Lanes = std::uint16_t __attribute__((vector_size(16)));
using TwoPixels = std::uint8_t __attribute__((vector_size(8)));
using OnePixel = std::uint8_t __attribute__((vector_size(4)));

[[gnu::always_inline]] inline Lanes lanesOf(QRgb first, QRgb second)
{
    const QRgb pair[] = {first, second};
    TwoPixels bytes;
    std::memcpy(&bytes, pair, sizeof bytes);
    return __builtin_convertvector(bytes, Lanes);
}

// The four pixels around a point, `above` and `below` each two side by side,
// weighed by their nearness: the point lies `towardsRight` and `towardsBelow`
// 256ths of a pixel from the top left one. Each weighing is rounded to nearest:
// cutting the fraction would darken the picture a little at every step it is
// fed back. No lane overflows: 255 x 256 + 128 fits in 16 bits. The left
// pixels above and below are weighed against the right ones in one go, then
// the two rows against each other.
[[gnu::always_inline]] inline QRgb blend(const QRgb* above, const QRgb* below, std::uint16_t towardsRight, std::uint16_t towardsBelow)
{
    const Lanes left = lanesOf(above[0], below[0]);
    const Lanes right = lanesOf(above[1], below[1]);
    const Lanes rows = (left * std::uint16_t(256 - towardsRight) + right * towardsRight + 128) >> 8;
    const std::uint16_t up = 256 - towardsBelow;
    const Lanes down = {up, up, up, up, towardsBelow, towardsBelow, towardsBelow, towardsBelow};
    const Lanes weighed = rows * down;
    const Lanes mixed = (weighed + __builtin_shufflevector(weighed, weighed, 4, 5, 6, 7, 0, 1, 2, 3) + 128) >> 8;
    const OnePixel bytes = __builtin_convertvector(__builtin_shufflevector(mixed, mixed, 0, 1, 2, 3), OnePixel);
    QRgb pixel;
    std::memcpy(&pixel, &bytes, sizeof pixel);
    return pixel | 0xff000000;
}

// Two target pixels at once, each as blend() weighs its four: sixteen lanes,
// the two pixels' rows side by side. Each pixel's left and right source pixels
// lie side by side in memory, so a row of two is one load.
using WideLanes = std::uint16_t __attribute__((vector_size(32)));
using FourPixels = std::uint8_t __attribute__((vector_size(16)));
using FourWords = std::uint32_t __attribute__((vector_size(16)));
using TwoWords = std::uint32_t __attribute__((vector_size(8)));
using TwoResults = std::uint8_t __attribute__((vector_size(8)));

[[gnu::always_inline]] inline TwoWords pixelPair(const QRgb* left)
{
    TwoWords pair;
    std::memcpy(&pair, left, sizeof pair);
    return pair;
}

template <typename To, typename From>
[[gnu::always_inline]] inline To sameBits(const From& from)
{
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

[[gnu::always_inline]] inline void blendTwo(const QRgb* above0, const QRgb* below0, std::uint16_t weights0, const QRgb* above1,
                                            const QRgb* below1, std::uint16_t weights1, QRgb* out)
{
    // The left pixels above and below of both, then the right ones.
    const FourWords first = __builtin_shufflevector(pixelPair(above0), pixelPair(below0), 0, 1, 2, 3);
    const FourWords second = __builtin_shufflevector(pixelPair(above1), pixelPair(below1), 0, 1, 2, 3);
    const WideLanes leftPixels =
        __builtin_convertvector(sameBits<FourPixels>(__builtin_shufflevector(first, second, 0, 2, 4, 6)), WideLanes);
    const WideLanes rightPixels =
        __builtin_convertvector(sameBits<FourPixels>(__builtin_shufflevector(first, second, 1, 3, 5, 7)), WideLanes);
    const std::uint16_t right0 = weights0 & 0xff, down0 = weights0 >> 8;
    const std::uint16_t right1 = weights1 & 0xff, down1 = weights1 >> 8;
    const std::uint16_t left0 = 256 - right0, left1 = 256 - right1;
    const std::uint16_t up0 = 256 - down0, up1 = 256 - down1;
    const WideLanes toLeft = {left0, left0, left0, left0, left0, left0, left0, left0,
                              left1, left1, left1, left1, left1, left1, left1, left1};
    const WideLanes toRight = {right0, right0, right0, right0, right0, right0, right0, right0,
                               right1, right1, right1, right1, right1, right1, right1, right1};
    const WideLanes rows = (leftPixels * toLeft + rightPixels * toRight + 128) >> 8;
    const WideLanes down = {up0, up0, up0, up0, down0, down0, down0, down0, up1, up1, up1, up1, down1, down1, down1, down1};
    const WideLanes weighed = rows * down;
    const WideLanes mixed =
        (weighed + __builtin_shufflevector(weighed, weighed, 4, 5, 6, 7, 0, 1, 2, 3, 12, 13, 14, 15, 8, 9, 10, 11) + 128)
        >> 8;
    const TwoResults results =
        __builtin_convertvector(__builtin_shufflevector(mixed, mixed, 0, 1, 2, 3, 8, 9, 10, 11), TwoResults);
    std::memcpy(out, &results, sizeof results);
    out[0] |= 0xff000000;
    out[1] |= 0xff000000;
}

// One target pixel of any kind, as the map gives it.
[[gnu::always_inline]] inline QRgb blendOne(const QImage& source, const uchar* sourceBits, qsizetype sourceRow,
                                            std::int32_t from, std::uint16_t weights, const ZoomMap::EdgePixel*& edge)
{
    if (from >= 0) {
        const auto* above = reinterpret_cast<const QRgb*>(sourceBits + from);
        const auto* below = reinterpret_cast<const QRgb*>(sourceBits + from + sourceRow);
        return blend(above, below, weights & 0xff, weights >> 8);
    }
    if (from == ZoomMap::kOutside)
        return qRgb(0, 0, 0);
    const int left = edge->x256 >> 8, top = edge->y256 >> 8;
    const QRgb above[] = {pixelOrBlack(source, left, top), pixelOrBlack(source, left + 1, top)};
    const QRgb below[] = {pixelOrBlack(source, left, top + 1), pixelOrBlack(source, left + 1, top + 1)};
    const QRgb pixel = blend(above, below, std::uint16_t(edge->x256 & 0xff), std::uint16_t(edge->y256 & 0xff));
    ++edge;
    return pixel;
}

// The blending of ZoomMap::apply for any processor: two inside pixels side by
// side at a time, the others one by one.
void blendMappedPortable(const QImage& source, QImage& target, QSize size, const std::int32_t* fromAt,
                         const std::uint16_t* weightsAt, const ZoomMap::EdgePixel* edge)
{
    const uchar* const sourceBits = source.constBits();
    const qsizetype sourceRow = qsizetype(source.width()) * 4;
    const int targetWidth = size.width();
    size_t at = 0;
    const auto pixelAt = [sourceBits](std::int32_t offset) { return reinterpret_cast<const QRgb*>(sourceBits + offset); };
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < targetWidth; ++x, ++at) {
            const std::int32_t from = fromAt[at];
            if (from >= 0 && x + 1 < targetWidth && fromAt[at + 1] >= 0) {
                const std::int32_t next = fromAt[at + 1];
                blendTwo(pixelAt(from), pixelAt(from + sourceRow), weightsAt[at], pixelAt(next), pixelAt(next + sourceRow),
                         weightsAt[at + 1], row + x);
                ++x;
                ++at;
            } else {
                row[x] = blendOne(source, sourceBits, sourceRow, from, weightsAt[at], edge);
            }
        }
    }
}

// Weighs `first` against `second`, lane by lane in 16 bits: as blend() does,
// rounded to nearest.
__attribute__((target("avx2"))) inline __m256i weighAvx2(__m256i first, __m256i second, __m256i towardsSecond)
{
    const __m256i towardsFirst = _mm256_sub_epi16(_mm256_set1_epi16(256), towardsSecond);
    const __m256i sum = _mm256_add_epi16(_mm256_mullo_epi16(first, towardsFirst), _mm256_mullo_epi16(second, towardsSecond));
    return _mm256_srli_epi16(_mm256_add_epi16(sum, _mm256_set1_epi16(128)), 8);
}

// Four target pixels' rows of two source pixels, each row one load from
// `bits` at the pixel's offset, weighed by `towardsRight`: each pixel's blue,
// green, red and alpha in four 16-bit lanes, the first two pixels in the low
// half. Loads of their own are quicker than a gather on the processors measured.
__attribute__((target("avx2"))) inline __m256i rowsAvx2(const uchar* bits, const std::int32_t* offsets, __m256i towardsRight)
{
    const __m128i firstTwo = _mm_unpacklo_epi64(_mm_loadu_si64(bits + offsets[0]), _mm_loadu_si64(bits + offsets[1]));
    const __m128i lastTwo = _mm_unpacklo_epi64(_mm_loadu_si64(bits + offsets[2]), _mm_loadu_si64(bits + offsets[3]));
    // Left, left, right, right in each half, so that the left pixels widen together.
    const __m256i sorted = _mm256_shuffle_epi32(_mm256_set_m128i(lastTwo, firstTwo), _MM_SHUFFLE(3, 1, 2, 0));
    const __m256i zero = _mm256_setzero_si256();
    return weighAvx2(_mm256_unpacklo_epi8(sorted, zero), _mm256_unpackhi_epi8(sorted, zero), towardsRight);
}

// Four target pixels, their weights in the lanes of rowsAvx2.
__attribute__((target("avx2"))) inline __m256i fourAvx2(const uchar* sourceBits, qsizetype sourceRow, const std::int32_t* offsets,
                                                         __m256i towardsRight, __m256i towardsBelow)
{
    return weighAvx2(rowsAvx2(sourceBits, offsets, towardsRight), rowsAvx2(sourceBits + sourceRow, offsets, towardsRight),
                     towardsBelow);
}

// A byte shuffle that takes, from eight pixels' sixteen bytes of weights in
// each half of a register, the byte `first` into the four lanes of the first
// pixel of the low half and `second` into those of the second, and the bytes
// four on into those of the high half. Each byte widens into a 16-bit lane:
// an index of 0x80 makes its upper byte zero.
__attribute__((target("avx2"))) inline __m256i weightLanes(char first, char second)
{
    const char z = char(0x80), third = char(first + 4), fourth = char(second + 4);
    return _mm256_setr_epi8(first, z, first, z, first, z, first, z, second, z, second, z, second, z, second, z, third, z,
                            third, z, third, z, third, z, fourth, z, fourth, z, fourth, z, fourth, z);
}

// The blending of ZoomMap::apply with AVX2: eight target pixels at a time
// where all eight are inside, the others one by one. Whole numbers only, in
// the order blend() weighs, so that it gives the portable blending's pixels.
__attribute__((target("avx2"))) void blendMappedAvx2(const QImage& source, QImage& target, QSize size,
                                                      const std::int32_t* fromAt, const std::uint16_t* weightsAt,
                                                      const ZoomMap::EdgePixel* edge)
{
    const uchar* const sourceBits = source.constBits();
    const qsizetype sourceRow = qsizetype(source.width()) * 4;
    const int targetWidth = size.width();
    // The weights of eight pixels, towards the right and towards below, spread
    // as rowsAvx2 lays the pixels out: for each kind and each four pixels.
    const __m256i rightOfFirstFour = weightLanes(0, 2), belowOfFirstFour = weightLanes(1, 3);
    const __m256i rightOfLastFour = weightLanes(8, 10), belowOfLastFour = weightLanes(9, 11);
    const __m256i opaque = _mm256_set1_epi32(int(0xff000000));
    size_t at = 0;
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        int x = 0;
        while (x + 8 <= targetWidth) {
            const __m256i offsets = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(fromAt + at));
            if (_mm256_movemask_ps(_mm256_castsi256_ps(offsets)) != 0) {
                // Outside or at an edge: kOutside and kAtEdge are negative.
                for (const int end = x + 8; x < end; ++x, ++at)
                    row[x] = blendOne(source, sourceBits, sourceRow, fromAt[at], weightsAt[at], edge);
                continue;
            }
            const __m256i weights =
                _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(weightsAt + at)));
            const __m256i firstFour = fourAvx2(sourceBits, sourceRow, fromAt + at,
                                               _mm256_shuffle_epi8(weights, rightOfFirstFour),
                                               _mm256_shuffle_epi8(weights, belowOfFirstFour));
            const __m256i lastFour = fourAvx2(sourceBits, sourceRow, fromAt + at + 4,
                                              _mm256_shuffle_epi8(weights, rightOfLastFour),
                                              _mm256_shuffle_epi8(weights, belowOfLastFour));
            // Packing works in halves: pixels 0, 1, 4, 5, then 2, 3, 6, 7.
            const __m256i packed = _mm256_permute4x64_epi64(_mm256_packus_epi16(firstFour, lastFour), _MM_SHUFFLE(3, 1, 2, 0));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + x), _mm256_or_si256(packed, opaque));
            x += 8;
            at += 8;
        }
        for (; x < targetWidth; ++x, ++at)
            row[x] = blendOne(source, sourceBits, sourceRow, fromAt[at], weightsAt[at], edge);
    }
}

} // namespace

bool processorCanBlend(ZoomBlending blending)
{
    return blending == ZoomBlending::Portable || __builtin_cpu_supports("avx2");
}

ZoomBlending quickestBlending()
{
    return processorCanBlend(ZoomBlending::Avx2) ? ZoomBlending::Avx2 : ZoomBlending::Portable;
}

void zoomInto(const QImage& source, QImage& target, QPoint centre, double scale, double angle)
{
    ZoomMap(source.size(), target.size(), centre, scale, angle).apply(source, target);
}

ZoomMap::ZoomMap(QSize source, QSize target, QPoint centre, double scale, double angle)
    : m_source(source)
    , m_target(target)
    , m_centre(centre)
    , m_scale(scale)
    , m_angle(angle)
{
    if (!std::isfinite(scale) || scale <= 0)
        scale = 1;
    if (!std::isfinite(angle))
        angle = 0;
    // Each step right in the target is this step in the source.
    const double acrossX = std::cos(angle) / scale;
    const double acrossY = -std::sin(angle) / scale;
    const double centreX = centre.x() + 0.5;
    const double centreY = centre.y() + 0.5;
    const int width = source.width(), height = source.height();
    // RGB32 rows hold exactly their pixels. Offsets beyond 32 bits, in a
    // source far larger than the show's, are left to the slow path.
    const qsizetype sourceRow = qsizetype(width) * 4;
    const bool offsetsFit = sourceRow * height <= std::numeric_limits<std::int32_t>::max();
    const auto pixels = size_t(std::max(target.width(), 0)) * size_t(std::max(target.height(), 0));
    m_from.resize(pixels);
    m_weights.resize(pixels);
    // Positions in 256ths of a pixel: the whole pixels and the weights at once.
    // Scaled by a power of two, they round exactly as the pixels themselves do.
    const double acrossX256 = acrossX * 256, acrossY256 = acrossY * 256;
    const double right = width * 256.0, bottom = height * 256.0;
    size_t at = 0;
    for (int y = 0; y < target.height(); ++y) {
        const double fromCentreY = y + 0.5 - centreY;
        // Measured from the top left pixel's centre, where the blend weighs that pixel alone.
        const double besideX = (centreX - acrossY * fromCentreY - 0.5) * 256;
        const double besideY = (centreY + acrossX * fromCentreY - 0.5) * 256;
        // Whole numbers, so counting up keeps it exact: the centre maps onto itself.
        double fromCentreX = -double(centre.x());
        for (int x = 0; x < target.width(); ++x, fromCentreX += 1, ++at) {
            const double sourceX = besideX + acrossX256 * fromCentreX, sourceY = besideY + acrossY256 * fromCentreX;
            // Outside, all four pixels around the position are black. Written so
            // that a position that is no number counts as outside as well.
            if (!(sourceX > -256 && sourceX < right && sourceY > -256 && sourceY < bottom)) {
                m_from[at] = kOutside;
                continue;
            }
            // Above -256, so cutting towards zero after the shift rounds down.
            const int x256 = int(sourceX + 256) - 256, y256 = int(sourceY + 256) - 256;
            const int left = x256 >> 8, top = y256 >> 8;
            if (offsetsFit && left >= 0 && top >= 0 && left + 1 < width && top + 1 < height) {
                m_from[at] = std::int32_t(top * sourceRow + left * 4);
                m_weights[at] = std::uint16_t((x256 & 0xff) | (y256 & 0xff) << 8);
            } else {
                m_from[at] = kAtEdge;
                m_edges.push_back({x256, y256});
            }
        }
    }
}

bool ZoomMap::isFor(QSize source, QSize target, QPoint centre, double scale, double angle) const
{
    return source == m_source && target == m_target && centre == m_centre && scale == m_scale && angle == m_angle;
}

void ZoomMap::apply(const QImage& source, QImage& target, ZoomBlending blending) const
{
    if (blending == ZoomBlending::Avx2 && processorCanBlend(blending))
        blendMappedAvx2(source, target, m_target, m_from.data(), m_weights.data(), m_edges.data());
    else
        blendMappedPortable(source, target, m_target, m_from.data(), m_weights.data(), m_edges.data());
}

double zoomScale(std::int16_t zoomFactor)
{
    const double growth = 1 + std::abs(int(zoomFactor)) / 32.0;
    return zoomFactor >= 0 ? growth : 1 / growth;
}

QRgb ZoomStep::nextColour(const ColourTable& table)
{
    const QRgb from = entryColour(table[size_t(colourIndex)]);
    const QRgb to = entryColour(table[size_t(colourIndex + 1)]);
    const auto mix = [this](int a, int b) { return a + (b - a) * stepCount / kFadeSteps; };
    const QRgb colour = qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)), mix(qBlue(from), qBlue(to)));
    if (++stepCount > kFadeSteps) {
        stepCount = 0;
        colourIndex = colourIndex >= 15 ? 3 : colourIndex + 1;
    }
    return colour;
}

void ZoomStep::run(const ColourTable& table, QImage& surface, QImage& shown)
{
    QImage& from = fromShown ? shown : surface;
    QImage& into = fromShown ? surface : shown;
    setPixel(from, kFadingPixel, nextColour(table));
    const double scale = zoomScale(zoomFactor);
    if (!map || !map->isFor(from.size(), into.size(), kFadingPixel, scale, kTurnPerStep))
        map = std::make_shared<const ZoomMap>(from.size(), into.size(), kFadingPixel, scale, kTurnPerStep);
    map->apply(from, into, blending);
    if (fromShown)
        shown.swap(surface);
    fromShown = true;
    ++frame;
}

} // namespace tessel
