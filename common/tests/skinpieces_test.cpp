#include "common/core/skinfont.h"
#include "common/core/skinpieces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

namespace {

using kit::SkinFile;

auto key(SkinFile file, QRect rect) { return std::make_tuple(int(file), rect.x(), rect.y(), rect.width(), rect.height()); }

// The skin checker measures bitmaps by the named pieces, so a piece that the
// preview draws but the list lacks would go unchecked.
TEST(SkinPieces, EveryPieceOfEveryLookIsNamedExactlyOnce)
{
    std::set<decltype(key(SkinFile::Main, {}))> named;
    std::set<std::string> names;
    for (const kit::NamedPiece& piece : kit::everySkinPiece()) {
        EXPECT_TRUE(named.insert(key(piece.source, piece.from)).second) << piece.name;
        EXPECT_TRUE(names.insert(piece.name).second) << piece.name;
    }

    std::u32string font;
    for (const std::u32string_view row : kit::fontRows())
        font += row;
    for (int pressed = 0; pressed <= int(kit::TransportButton::Shuffle); ++pressed)
        for (const auto channel : {kit::Channel::Stereo, kit::Channel::Mono, kit::Channel::Off})
            for (size_t first = 0; first < font.size(); first += kit::kTitleCells) {
                const std::u32string title = font.substr(first, kit::kTitleCells);
                const kit::MainWindowLook look {kit::TransportButton(pressed), channel,
                                                QString::fromUcs4(title.data(), qsizetype(title.size()))};
                for (const kit::SkinPiece& piece : kit::mainWindowPieces(look))
                    EXPECT_TRUE(named.contains(key(piece.source, piece.from)))
                        << int(piece.source) << " " << piece.from.x() << "," << piece.from.y();
            }
}

TEST(SkinPieces, NamesHeldAndUnlitPicturesEveryDigitAndEveryGlyph)
{
    const std::tuple<const char*, SkinFile, QRect> expected[] = {
        {"eject button held", SkinFile::CButtons, {114, 16, 23, 16}},
        {"shuffle button held", SkinFile::ShufRep, {28, 14, 48, 15}},
        {"stereo indicator unlit", SkinFile::MonoSter, {0, 12, 29, 12}},
        {"position knob held", SkinFile::PosBar, {278, 0, 28, 10}},
        {"time digit 9", SkinFile::Numbers, {81, 0, 9, 13}},
        {"glyph #", SkinFile::Text, {150, 6, 5, 6}},
        {"glyph *", SkinFile::Text, {20, 12, 5, 6}},
    };
    const auto& pieces = kit::everySkinPiece();
    for (const auto& [name, file, rect] : expected) {
        const auto found = std::find_if(pieces.begin(), pieces.end(), [&](const auto& p) { return p.name == name; });
        ASSERT_NE(found, pieces.end()) << name;
        EXPECT_EQ(key(found->source, found->from), key(file, rect)) << name;
    }
}

} // namespace
