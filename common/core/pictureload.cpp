#include "common/core/pictureload.h"

#include "common/core/fileio.h"
#include "common/core/picturecheck.h"
#include "common/core/textconversion.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <csetjmp>
#include <limits>
#include <cstdio>
#include <jpeglib.h>

namespace kit {
namespace {

struct JpegErrors
{
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

// Whether libjpeg decodes every line of the picture without a warning: a scan
// whose data ends early is filled in by the decoder and warned about.
bool jpegDecodesCleanly(std::string_view bytes)
{
    jpeg_decompress_struct info {};
    JpegErrors errors {};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = [](j_common_ptr common) {
        std::longjmp(reinterpret_cast<JpegErrors*>(common->err)->escape, 1);
    };
    errors.manager.emit_message = [](j_common_ptr common, int level) {
        if (level < 0)
            ++common->err->num_warnings;
    };
    if (setjmp(errors.escape) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    // Allocated by libjpeg, so that an escape from a broken file leaks nothing.
    JSAMPARRAY line = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                 info.output_width * static_cast<JDIMENSION>(info.output_components), 1);
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, line, 1);
    jpeg_finish_decompress(&info);
    const bool clean = errors.manager.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return clean;
}

// A BMP of up to 8 bits whose header counts more colours than its bits can
// index: decoders read that many table entries and then the rows out of step.
// The table really used is the first 2^bits entries, and the rows start where
// the file header says, so the count is put back to "all of them" (0).
bool fixOverlongColourCount(std::string& bytes)
{
    const auto number = [&](std::size_t at, int width) {
        std::uint32_t value = 0;
        for (int i = width - 1; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
        return value;
    };
    if (pictureFormatOf(bytes) != PictureFormat::Bmp || bytes.size() < 50 || number(14, 4) < 36)
        return false;
    const std::uint32_t bits = number(28, 2);
    if (bits > 8 || number(46, 4) <= (1u << bits))
        return false;
    for (std::size_t at = 46; at < 50; ++at)
        bytes[at] = '\0';
    return true;
}

// The part of a GIF's screen that its first image does not cover shows the
// file's background colour.
void fillAroundGifFrame(QImage& image, const GifFrame& frame)
{
    const QRect covered(frame.left, frame.top, frame.width, frame.height);
    if (covered.contains(image.rect()))
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QColor background(frame.background[0], frame.background[1], frame.background[2]);
    for (const QRect& part : QRegion(image.rect()).subtracted(covered))
        painter.fillRect(part, background);
}

const char* decoderOf(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Bmp: return "bmp";
    case PictureFormat::Jpeg: return "jpeg";
    case PictureFormat::Gif: return "gif";
    case PictureFormat::Png: return "png";
    case PictureFormat::Other: break;
    }
    return nullptr;
}

} // namespace

PictureLoad decodePicture(std::string_view bytes, QSize largest)
{
    PictureLoad load;
    load.error = PictureLoad::Error::NotAPicture;
    std::string mended;
    // Real JPEGs end without their end-of-image marker now and then; one whose
    // last scan is whole decodes as if the marker were there.
    bool jpegWithoutEnd = false;
    if (!isWholePicture(bytes)) {
        if (!jpegLacksOnlyItsEndMarker(bytes))
            return load;
        mended.assign(bytes);
        mended += "\xFF\xD9";
        jpegWithoutEnd = true;
    } else {
        mended.assign(bytes);
        if (!fixOverlongColourCount(mended))
            mended.clear();
    }
    const std::string_view input = mended.empty() ? bytes : std::string_view(mended);

    QByteArray data = QByteArray::fromRawData(input.data(), static_cast<qsizetype>(input.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The four formats whose first bytes the kit knows go straight to their
    // decoder. Left to tell any other format by its content, Qt loads every
    // image-format plugin there is to ask each of them, and the libraries they
    // bring.
    if (const char* decoder = decoderOf(pictureFormatOf(input))) {
        reader.setFormat(decoder);
        reader.setAutoDetectImageFormat(false);
    } else {
        reader.setDecideFormatFromContent(true);
    }
    load.format = reader.format();
    // Decoders tell a BMP's size only up to limits of their own and a GIF's
    // not reliably; the kit reads those two headers itself.
    QSize claimed = reader.size();
    if (const auto header = claimedSize(input)) {
        constexpr std::int64_t kMost = std::numeric_limits<int>::max();
        claimed = QSize(int(std::min(header->width, kMost)), int(std::min(header->height, kMost)));
    }
    if (claimed.isEmpty())
        return load;
    if (claimed.width() > largest.width() || claimed.height() > largest.height()) {
        load.error = PictureLoad::Error::TooLarge;
        load.size = claimed;
        return load;
    }
    if (jpegWithoutEnd && !jpegDecodesCleanly(input))
        return load;
    // Decoders write into the picture they are given when its size and format
    // are the ones they would make, and leave alone what the file does not
    // reach: the run-length jumps and early ends of a BMP, for one. Starting
    // from zero gives those pixels palette index 0 (or black) every time,
    // instead of whatever the memory held.
    QImage image;
    if (const QImage::Format format = reader.imageFormat(); format != QImage::Format_Invalid) {
        image = QImage(claimed, format);
        image.fill(0);
    }
    if (!reader.read(&image) || image.isNull())
        return load;
    if (const auto frame = gifFirstFrame(input))
        fillAroundGifFrame(image, *frame);
    load.size = image.size();
    load.image = std::move(image);
    load.error = PictureLoad::Error::None;
    return load;
}

PictureLoad loadPicture(const QString& path, std::uintmax_t sizeLimit, QSize largest)
{
    std::string bytes;
    if (const std::string reason = readWholeFile(toPath(path), bytes, sizeLimit); !reason.empty()) {
        PictureLoad load;
        load.error = PictureLoad::Error::Unreadable;
        load.reason = fromSystemText(reason);
        return load;
    }
    return decodePicture(bytes, largest);
}

} // namespace kit
