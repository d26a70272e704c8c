#include "button_builder/core/elementtable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using knapro::Element;
using knapro::ElementRect;
using knapro::elementForArea;
using knapro::elementForCommand;

namespace {

ElementRect rect(int x, int y, int w, int h)
{
    return {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), static_cast<std::int16_t>(w),
            static_cast<std::int16_t>(h)};
}

ElementRect cutOfArea(std::string_view control, int index = -1) { return elementForArea(control, index).value().cut; }
ElementRect cutOfCommand(std::string_view command) { return elementForCommand(command).value().cut; }

} // namespace

TEST(ElementTable, PlayStopIsCutFromRow27ByMenuAndRow28ByClick)
{
    EXPECT_EQ(elementForArea("imgPlayStop"), (Element {rect(24, 28, 11, 9), "Play, Stop and Pause indicator"}));
    EXPECT_EQ(elementForCommand("mnuMainPlayStop"), (Element {rect(24, 27, 11, 9), "Play, Stop and Pause indicator"}));
}

TEST(ElementTable, PairedButtonsAreCutTogetherByClickAndApartByMenu)
{
    EXPECT_EQ(cutOfArea("imgEqOnAuto"), rect(14, 18, 58, 12));
    EXPECT_EQ(elementForCommand("mnuEqOn"), (Element {rect(14, 18, 25, 12), "On and Auto Button"}));
    EXPECT_EQ(elementForCommand("mnuEqAuto"), (Element {rect(39, 18, 33, 12), "On and Auto Button"}));

    EXPECT_EQ(cutOfArea("imgEqualPlay"), rect(219, 58, 46, 12));
    EXPECT_EQ(cutOfCommand("mnuMainEqualPlay"), rect(219, 58, 46, 12));
    EXPECT_EQ(elementForCommand("mnuMainEqual"), (Element {rect(219, 58, 23, 12), "Equalizer and Playlist"}));
    EXPECT_EQ(elementForCommand("mnuMainPlay"), (Element {rect(242, 58, 23, 12), "Equalizer and Playlist"}));
}

TEST(ElementTable, BothPlaylistTitleFillersCutTheSamePieceWithoutLabel)
{
    const Element filler {rect(37, 0, 25, 20), ""};
    EXPECT_EQ(elementForArea("imgPlTitlebar", 1), filler);
    EXPECT_EQ(elementForArea("imgPlTitlebar", 3), filler);
    EXPECT_EQ(elementForCommand("mnuPlSpace"), filler);
    EXPECT_EQ(elementForCommand("mnuPlTitle"), (Element {rect(87, 0, 100, 20), "Title"}));
    EXPECT_EQ(elementForCommand("mnuPlLeftCorner"), (Element {rect(0, 0, 25, 20), "Top Left Corner"}));
}

TEST(ElementTable, AllFiveMenuSideBarAreasCutOneStrip)
{
    for (int index = 0; index < 5; ++index)
        EXPECT_EQ(elementForArea("imgPlMenuSide", index), (Element {rect(11, 86, 3, 18), "Menu Side Bar"})) << index;
    EXPECT_EQ(elementForCommand("mnuPlMenuSide"), (Element {rect(11, 86, 3, 18), "Menu Side Bar"}));
    EXPECT_FALSE(elementForArea("imgPlMenuSide", 5));
}

TEST(ElementTable, PiecesAtThePictureEdgesEndExactlyWhereTheyShould)
{
    EXPECT_EQ(cutOfArea("imgPlBottom"), rect(0, 78, 275, 38)); // reaches row 116
    EXPECT_EQ(cutOfArea("imgPlTitlebar", 4), rect(250, 0, 25, 20)); // reaches column 275
    EXPECT_EQ(cutOfCommand("mnuPlRightSide"), rect(249, 26, 25, 29)); // one short of the edge
}

TEST(ElementTable, BandsAreCutEveryEighteenPixelsWhateverTheAreaPlacement)
{
    for (int band = 0; band < 10; ++band) {
        const Element expected {rect(78 + 18 * band, 38, 14, 63), "EQ Control Bar"};
        EXPECT_EQ(elementForArea("imgEqControl", band), expected) << band;
        EXPECT_EQ(elementForCommand("mnuEqControl" + std::to_string(band + 1)), expected) << band;
    }
}

TEST(ElementTable, TheVisualizationDisplayAndUnknownNamesPickNoElement)
{
    EXPECT_FALSE(elementForArea("imgTessel"));
    EXPECT_FALSE(elementForArea("imgTitle", 0));
    EXPECT_FALSE(elementForCommand("mnuFileRanVis"));
    EXPECT_FALSE(elementForCommand("mnuEqControl11"));
}

TEST(ElementTable, EveryMenuCommandCutsInsideThePictureAndEveryAreaHasItsOwnName)
{
    std::set<std::string> names;
    for (int tab = 0; tab < knapro::kTabCount; ++tab) {
        for (const knapro::MenuItem& item : knapro::elementMenu(tab)) {
            if (item.kind != knapro::MenuItem::Kind::Command)
                continue;
            const ElementRect c = cutOfCommand(item.name);
            EXPECT_TRUE(c.intX >= 0 && c.intY >= 0 && c.intWidth > 0 && c.intHeight > 0
                        && c.intX + c.intWidth <= 275 && c.intY + c.intHeight <= 116)
                << item.name;
        }
        for (const knapro::ClickableArea& area : knapro::clickableAreas(tab))
            EXPECT_TRUE(names.insert(knapro::controlDisplayName(area)).second) << knapro::controlDisplayName(area);
    }
    EXPECT_EQ(names.size(), 19u + 16u + 20u);
    EXPECT_TRUE(names.count("imgPlTitlebar(2)"));
}
