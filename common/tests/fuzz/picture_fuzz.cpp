// Any bytes opened as a picture: a file that is not whole is never decoded (but
// for a JPEG that lacks only its end marker), a decoded picture is never empty,
// keeps within its bound, takes no block of memory far beyond what a picture of
// the bound needs, and has every pixel defined (two decodes over different
// garbage agree), and a bitmap the kit reads writes back to the same pixels.
#include "common/core/picturecheck.h"
#include "common/core/pictureload.h"
#include "common/portable/bmp.h"
#include "common/testing/heapgarbage.h"

#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" {

int LLVMFuzzerInitialize(int*, char***)
{
    // The decoders' complaints about each broken input would drown the fuzzer's own output.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    return 0;
}

// Small, so that headers beyond it are common among the fuzzer's inputs.
constexpr QSize kBound(64, 64);
// A picture of the bound at 64 bits a pixel, and room for a decoder's tables.
constexpr std::size_t kLargestBlock = 64 * 64 * 8 + (1u << 20);

int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kit::PictureLoad load;
    {
        const kit::testing::LargestBlock largest;
        load = kit::decodePicture(bytes, kBound);
        if (largest.bytes() > kLargestBlock)
            std::abort();
    }
    if (!kit::isWholePicture(bytes) && !kit::jpegLacksOnlyItsEndMarker(bytes)
        && load.error != kit::PictureLoad::Error::NotAPicture)
        std::abort();
    if (load.error == kit::PictureLoad::Error::None
        && (load.image.isNull() || load.image.width() > kBound.width() || load.image.height() > kBound.height()))
        std::abort();
    if (load.error == kit::PictureLoad::Error::TooLarge && load.size.width() <= kBound.width()
        && load.size.height() <= kBound.height())
        std::abort();

    if (load.error == kit::PictureLoad::Error::None) {
        QImage first;
        {
            const kit::testing::HeapGarbage garbage(0x55);
            first = kit::decodePicture(bytes, kBound).image;
        }
        QImage second;
        {
            const kit::testing::HeapGarbage garbage(0xaa);
            second = kit::decodePicture(bytes, kBound).image;
        }
        if (first.convertToFormat(QImage::Format_ARGB32) != second.convertToFormat(QImage::Format_ARGB32))
            std::abort();
    }

    if (const auto image = kit::bmp::read(bytes)) {
        if (!kit::isWholePicture(bytes))
            std::abort();
        const auto again = kit::bmp::read(kit::bmp::write(*image));
        if (!again || again->pixels != image->pixels)
            std::abort();
    }
    return 0;
}

} // extern "C"
