#include "common/core/picturecheck.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace kit {
namespace {

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::uint32_t bigEndian(std::string_view bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

unsigned char byteAt(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

// Run-length data ends with the escape 0, 1; escapes 0, 0 (end of line) and
// 0, 2 (a jump) carry no pixels, and 0, n copies n literal pixels padded to
// a whole word.
bool runLengthDataEnds(std::string_view data, bool fourBit)
{
    std::size_t at = 0;
    while (at + 2 <= data.size()) {
        const unsigned count = byteAt(data, at);
        const unsigned code = byteAt(data, at + 1);
        at += 2;
        if (count != 0)
            continue;
        if (code == 1)
            return true;
        if (code == 0)
            continue;
        if (code == 2) {
            at += 2;
            continue;
        }
        const std::size_t literalBytes = fourBit ? (code + 1) / 2 : code;
        at += (literalBytes + 1) / 2 * 2;
    }
    return false;
}

bool isWindowsHeader(std::uint64_t size) { return size == 40 || size == 52 || size == 56 || size == 108 || size == 124; }

bool bmpIsWhole(std::string_view bytes)
{
    constexpr std::size_t kFileHeader = 14;
    if (bytes.size() < kFileHeader + 12)
        return false;
    const std::uint64_t headerSize = littleEndian(bytes, 14, 4);
    if (headerSize < 12 || kFileHeader + headerSize > bytes.size())
        return false;

    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint64_t paletteEntrySize = 4;
    std::uint64_t colours = 0;
    if (headerSize == 12) { // the oldest header: 16-bit sizes, three-byte colours
        width = littleEndian(bytes, 18, 2);
        height = littleEndian(bytes, 20, 2);
        bits = littleEndian(bytes, 24, 2);
        paletteEntrySize = 3;
    } else {
        if (headerSize < 16)
            return false;
        width = static_cast<std::int32_t>(littleEndian(bytes, 18, 4));
        height = static_cast<std::int32_t>(littleEndian(bytes, 22, 4));
        bits = headerSize >= 16 ? littleEndian(bytes, 28, 2) : 0;
        compression = headerSize >= 20 ? littleEndian(bytes, 30, 4) : 0;
        imageSize = headerSize >= 24 ? littleEndian(bytes, 34, 4) : 0;
        colours = headerSize >= 36 ? littleEndian(bytes, 46, 4) : 0;
    }
    const bool topDown = height < 0;
    height = std::llabs(height);
    if (width <= 0 || height <= 0 || bits == 0)
        return false;
    const bool bitfields = compression == 3 || compression == 6;
    // Colour masks belong to the Windows headers; behind the 64-byte OS/2 header
    // the same number means another coding, whose masks a decoder would take
    // from the pixels. Run-length pictures are stored bottom-up only.
    if (bitfields && (!isWindowsHeader(headerSize) || (bits != 16 && bits != 32)))
        return false;
    if ((compression == 1 || compression == 2) && topDown)
        return false;

    const std::uint64_t pixelOffset = littleEndian(bytes, 10, 4);
    std::uint64_t tableEnd = kFileHeader + headerSize;
    if (compression == 3 && headerSize == 40)
        tableEnd += 12; // the three colour masks follow a plain header
    if (compression == 6 && headerSize == 40)
        tableEnd += 16;
    if (bits <= 8) {
        const std::uint64_t maxColours = 1ull << bits;
        tableEnd += paletteEntrySize * (colours == 0 || colours > maxColours ? maxColours : colours);
    }
    if (tableEnd > bytes.size() || pixelOffset < kFileHeader + headerSize || pixelOffset > bytes.size())
        return false;

    const std::string_view data = bytes.substr(pixelOffset);
    switch (compression) {
    case 0: // plain rows
    case 3: // rows behind colour masks
    case 6: {
        const std::uint64_t rowSize = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
        return rowSize <= data.size() / static_cast<std::uint64_t>(height);
    }
    case 1: return bits == 8 && runLengthDataEnds(data, false);
    case 2: return bits == 4 && runLengthDataEnds(data, true);
    default: // an embedded JPEG or PNG, or another coding: its size is all the header gives
        return imageSize > 0 && imageSize <= data.size();
    }
}

enum class JpegEnd { Marker, InScan, Broken };

// Walks the segments of a JPEG file to its end-of-image marker. Each scan's coded
// data runs until the next marker that is neither a stuffed 0xFF nor a restart
// marker; InScan means that the bytes ended inside a scan's coded data.
JpegEnd jpegEnd(std::string_view bytes)
{
    std::size_t at = 2;
    while (at + 2 <= bytes.size()) {
        if (byteAt(bytes, at) != 0xFF)
            return JpegEnd::Broken;
        const unsigned marker = byteAt(bytes, at + 1);
        at += 2;
        if (marker == 0xFF) { // fill bytes before a marker
            --at;
            continue;
        }
        if (marker == 0xD9)
            return JpegEnd::Marker;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // markers without a length
        if (at + 2 > bytes.size())
            return JpegEnd::Broken;
        const std::size_t length = bigEndian(bytes, at, 2);
        if (length < 2 || at + length > bytes.size())
            return JpegEnd::Broken;
        at += length;
        if (marker != 0xDA)
            continue;
        while (at + 1 < bytes.size()) {
            if (byteAt(bytes, at) == 0xFF) {
                const unsigned next = byteAt(bytes, at + 1);
                if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7))
                    break;
            }
            ++at;
        }
        if (at + 1 >= bytes.size())
            return JpegEnd::InScan;
    }
    return JpegEnd::Broken;
}

// Skips a chain of GIF data sub-blocks; false when it runs past the bytes.
bool skipSubBlocks(std::string_view bytes, std::size_t& at)
{
    while (at < bytes.size()) {
        const std::size_t size = byteAt(bytes, at);
        ++at;
        if (size == 0)
            return true;
        at += size;
    }
    return false;
}

// Whether the compressed data of an image, from its smallest code size at `at`,
// gives at least `pixels` pixels, each code naming a string the table already
// holds or the one it is about to make. Decoders leave the rest of a frame that
// its data does not reach, and what a code beyond the table would stand for, as
// whatever memory held.
bool gifImageDataFillsFrame(std::string_view bytes, std::size_t at, std::uint64_t pixels)
{
    constexpr unsigned kTableSize = 4096;
    constexpr unsigned kLargestCodeSize = 12;
    if (at >= bytes.size())
        return false;
    const unsigned smallestCodeSize = byteAt(bytes, at++);
    if (smallestCodeSize < 1 || smallestCodeSize >= kLargestCodeSize)
        return false;
    const unsigned clear = 1u << smallestCodeSize;
    const unsigned end = clear + 1;
    std::array<std::uint32_t, kTableSize> length {}; // pixels a code stands for, once in the table
    const auto lengthOf = [&](unsigned code) { return code < clear ? 1u : length[code]; };
    unsigned next = clear + 2;
    unsigned codeSize = smallestCodeSize + 1;
    bool started = false;
    unsigned previous = 0;
    std::uint64_t reached = 0;
    std::uint32_t bits = 0;
    unsigned bitCount = 0;
    std::size_t blockLeft = 0;
    while (reached < pixels) {
        while (bitCount < codeSize) {
            if (blockLeft == 0) {
                if (at >= bytes.size() || (blockLeft = byteAt(bytes, at++)) == 0)
                    return false;
            }
            if (at >= bytes.size())
                return false;
            bits |= std::uint32_t {byteAt(bytes, at++)} << bitCount;
            bitCount += 8;
            --blockLeft;
        }
        const unsigned code = bits & ((1u << codeSize) - 1);
        bits >>= codeSize;
        bitCount -= codeSize;
        if (code == clear) {
            next = clear + 2;
            codeSize = smallestCodeSize + 1;
            started = false;
            continue;
        }
        if (code == end)
            return false;
        std::uint32_t count = 0;
        if (!started) {
            if (code > clear)
                return false;
            count = 1;
        } else if (code < next) {
            count = lengthOf(code);
        } else if (code == next && next < kTableSize) {
            count = lengthOf(previous) + 1;
        } else {
            return false;
        }
        if (started && next < kTableSize) {
            length[next] = lengthOf(previous) + 1;
            if (++next == 1u << codeSize && codeSize < kLargestCodeSize)
                ++codeSize;
        }
        started = true;
        previous = code;
        reached += count;
    }
    return true;
}

bool gifIsWhole(std::string_view bytes)
{
    constexpr std::size_t kScreenDescriptorEnd = 13;
    if (bytes.size() < kScreenDescriptorEnd)
        return false;
    std::size_t at = kScreenDescriptorEnd;
    const unsigned screenFlags = byteAt(bytes, 10);
    if (screenFlags & 0x80)
        at += 3u << ((screenFlags & 7) + 1);
    bool imageRead = false;
    while (at < bytes.size()) {
        const unsigned block = byteAt(bytes, at++);
        if (block == 0x3B)
            return true;
        if (block == 0x21) {
            ++at; // the extension's label
            if (!skipSubBlocks(bytes, at))
                return false;
        } else if (block == 0x2C) {
            if (at + 9 > bytes.size())
                return false;
            const std::uint64_t pixels = std::uint64_t {littleEndian(bytes, at + 4, 2)} * littleEndian(bytes, at + 6, 2);
            const unsigned imageFlags = byteAt(bytes, at + 8);
            at += 9;
            if (imageFlags & 0x80)
                at += 3u << ((imageFlags & 7) + 1);
            // Only the first image is ever shown.
            if (!imageRead && !gifImageDataFillsFrame(bytes, at, pixels))
                return false;
            ++at; // the smallest code size
            if (!skipSubBlocks(bytes, at))
                return false;
            imageRead = true;
        } else {
            return false;
        }
    }
    // Only the one-byte trailer missing, after whole blocks: every image is there.
    return imageRead && at == bytes.size();
}

bool pngIsWhole(std::string_view bytes)
{
    std::size_t at = 8;
    while (at + 12 <= bytes.size()) {
        const std::uint64_t length = bigEndian(bytes, at, 4);
        const std::string_view type = bytes.substr(at + 4, 4);
        const std::uint64_t end = at + 12 + length;
        if (end > bytes.size())
            return false;
        if (type == "IEND")
            return true;
        at = static_cast<std::size_t>(end);
    }
    return false;
}

} // namespace

PictureFormat pictureFormatOf(std::string_view bytes)
{
    if (bytes.substr(0, 2) == "BM")
        return PictureFormat::Bmp;
    if (bytes.size() >= 3 && byteAt(bytes, 0) == 0xFF && byteAt(bytes, 1) == 0xD8 && byteAt(bytes, 2) == 0xFF)
        return PictureFormat::Jpeg;
    if (bytes.substr(0, 6) == "GIF87a" || bytes.substr(0, 6) == "GIF89a")
        return PictureFormat::Gif;
    if (bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8))
        return PictureFormat::Png;
    return PictureFormat::Other;
}

bool isWholePicture(std::string_view bytes)
{
    switch (pictureFormatOf(bytes)) {
    case PictureFormat::Bmp: return bmpIsWhole(bytes);
    case PictureFormat::Jpeg: return jpegEnd(bytes) == JpegEnd::Marker;
    case PictureFormat::Gif: return gifIsWhole(bytes);
    case PictureFormat::Png: return pngIsWhole(bytes);
    case PictureFormat::Other: break;
    }
    return true;
}

bool jpegLacksOnlyItsEndMarker(std::string_view bytes)
{
    return pictureFormatOf(bytes) == PictureFormat::Jpeg && jpegEnd(bytes) == JpegEnd::InScan;
}

std::optional<GifFrame> gifFirstFrame(std::string_view bytes)
{
    constexpr std::size_t kScreenDescriptorEnd = 13;
    if (pictureFormatOf(bytes) != PictureFormat::Gif || bytes.size() < kScreenDescriptorEnd)
        return std::nullopt;
    GifFrame frame;
    std::size_t at = kScreenDescriptorEnd;
    const unsigned screenFlags = byteAt(bytes, 10);
    if (screenFlags & 0x80) {
        const std::size_t entries = std::size_t {1} << ((screenFlags & 7) + 1);
        const std::size_t background = byteAt(bytes, 11);
        if (background < entries && at + 3 * background + 3 <= bytes.size())
            for (std::size_t i = 0; i < 3; ++i)
                frame.background[i] = byteAt(bytes, at + 3 * background + i);
        at += 3 * entries;
    }
    while (at < bytes.size()) {
        const unsigned block = byteAt(bytes, at++);
        if (block == 0x21) {
            ++at;
            if (!skipSubBlocks(bytes, at))
                return std::nullopt;
        } else if (block == 0x2C && at + 8 <= bytes.size()) {
            frame.left = static_cast<int>(littleEndian(bytes, at, 2));
            frame.top = static_cast<int>(littleEndian(bytes, at + 2, 2));
            frame.width = static_cast<int>(littleEndian(bytes, at + 4, 2));
            frame.height = static_cast<int>(littleEndian(bytes, at + 6, 2));
            return frame;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<ClaimedSize> claimedSize(std::string_view bytes)
{
    switch (pictureFormatOf(bytes)) {
    case PictureFormat::Bmp: {
        if (bytes.size() < 26)
            return std::nullopt;
        if (littleEndian(bytes, 14, 4) == 12)
            return ClaimedSize {littleEndian(bytes, 18, 2), littleEndian(bytes, 20, 2)};
        const std::int64_t height = static_cast<std::int32_t>(littleEndian(bytes, 22, 4));
        return ClaimedSize {static_cast<std::int32_t>(littleEndian(bytes, 18, 4)), height < 0 ? -height : height};
    }
    case PictureFormat::Gif: {
        if (bytes.size() < 10)
            return std::nullopt;
        ClaimedSize size {littleEndian(bytes, 6, 2), littleEndian(bytes, 8, 2)};
        if (const auto frame = gifFirstFrame(bytes)) {
            size.width = std::max<std::int64_t>(size.width, frame->left + frame->width);
            size.height = std::max<std::int64_t>(size.height, frame->top + frame->height);
        }
        return size;
    }
    case PictureFormat::Jpeg:
    case PictureFormat::Png:
    case PictureFormat::Other: break;
    }
    return std::nullopt;
}

} // namespace kit
