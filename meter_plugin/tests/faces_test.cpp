// The committed face pictures, as the plug-in's resources embed them.
#include "common/core/fileio.h"
#include "common/portable/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct FaceFile {
    std::string bytes;
    kit::bmp::Image image;

    explicit FaceFile(const char* name)
    {
        EXPECT_EQ(kit::readWholeFile(std::string(METER_FACES_DIR) + "/" + name, bytes, 1 << 20), "") << name;
        if (const auto read = kit::bmp::read(bytes))
            image = *read;
    }
    std::uint32_t at(std::size_t offset, int count) const
    {
        std::uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
        return value;
    }
    // Colour at (x, y) from the top, as 0xRRGGBB.
    std::uint32_t pixel(int x, int y) const
    {
        const kit::bmp::Rgb colour = image.at(x, y);
        return std::uint32_t(colour.r) << 16 | std::uint32_t(colour.g) << 8 | colour.b;
    }
};

TEST(Faces, SizesAndColourDepths)
{
    const FaceFile mcintosh("face100.bmp");
    const FaceFile quorvel("face101.bmp");
    const FaceFile onkyo("face102.bmp");
    ASSERT_EQ(mcintosh.image.width, 82);
    ASSERT_EQ(quorvel.image.width, 81);
    ASSERT_EQ(onkyo.image.width, 81);
    for (const FaceFile* face : {&mcintosh, &quorvel, &onkyo}) {
        EXPECT_EQ(face->bytes.substr(0, 2), "BM");
        EXPECT_EQ(face->at(2, 4), face->bytes.size());
        EXPECT_EQ(face->at(14, 4), 40u);  // a plain info header
        EXPECT_EQ(face->at(22, 4), 22u);  // height, bottom-up
        EXPECT_EQ(face->at(30, 4), 0u);   // uncompressed
    }
    EXPECT_EQ(mcintosh.at(28, 2), 24u);
    EXPECT_EQ(quorvel.at(28, 2), 8u);
    EXPECT_EQ(onkyo.at(28, 2), 8u);
}

TEST(Faces, PivotMarksSitAtTheBottomCentreOfEachHalf)
{
    const FaceFile mcintosh("face100.bmp");
    const FaceFile quorvel("face101.bmp");
    const FaceFile onkyo("face102.bmp");
    for (int pivot : {20, 60}) {
        EXPECT_EQ(mcintosh.pixel(pivot, 19), 0xFAC480u) << pivot; // light orange cap
        EXPECT_EQ(quorvel.pixel(pivot, 20), 0x969AA0u) << pivot;  // grey hump
        EXPECT_EQ(onkyo.pixel(pivot, 16), 0x6E4830u) << pivot;    // top of the arc
        EXPECT_EQ(quorvel.pixel(pivot - 5, 20), 0x161A22u) << pivot;
    }
    EXPECT_EQ(mcintosh.pixel(81, 10), 0x964E16u); // the column that is never shown
}

} // namespace
