// The committed face pictures, as the plug-in's resources embed them.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct FaceFile {
    std::string bytes;

    explicit FaceFile(const char* name)
    {
        std::ifstream file(std::string(METER_FACES_DIR) + "/" + name, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), {});
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
        const auto width = static_cast<int>(at(18, 4));
        const auto height = static_cast<int>(at(22, 4));
        const int bits = static_cast<int>(at(28, 2));
        const std::size_t row = at(10, 4) + static_cast<std::size_t>((width * bits / 8 + 3) / 4 * 4 * (height - 1 - y));
        std::size_t colour = row + static_cast<std::size_t>(x * 3);
        if (bits == 8)
            colour = 54 + 4 * static_cast<std::size_t>(static_cast<unsigned char>(bytes[row + static_cast<std::size_t>(x)]));
        return at(colour, 3);
    }
};

TEST(Faces, SizesAndColourDepths)
{
    const FaceFile mcintosh("face100.bmp");
    const FaceFile quorvel("face101.bmp");
    const FaceFile onkyo("face102.bmp");
    ASSERT_GT(mcintosh.bytes.size(), 54u);
    ASSERT_GT(quorvel.bytes.size(), 54u);
    ASSERT_GT(onkyo.bytes.size(), 54u);
    for (const FaceFile* face : {&mcintosh, &quorvel, &onkyo}) {
        EXPECT_EQ(face->bytes.substr(0, 2), "BM");
        EXPECT_EQ(face->at(2, 4), face->bytes.size());
        EXPECT_EQ(face->at(14, 4), 40u);  // a plain info header
        EXPECT_EQ(face->at(22, 4), 22u);  // height, bottom-up
        EXPECT_EQ(face->at(30, 4), 0u);   // uncompressed
    }
    EXPECT_EQ(mcintosh.at(18, 4), 82u);
    EXPECT_EQ(mcintosh.at(28, 2), 24u);
    EXPECT_EQ(quorvel.at(18, 4), 81u);
    EXPECT_EQ(quorvel.at(28, 2), 8u);
    EXPECT_EQ(onkyo.at(18, 4), 81u);
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
