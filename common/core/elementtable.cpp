#include "common/core/elementtable.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace kit {
namespace {

constexpr ElementRect rect(int x, int y, int width, int height)
{
    return {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), static_cast<std::int16_t>(width),
            static_cast<std::int16_t>(height)};
}

constexpr std::array<TabDescriptor, kTabCount> kTabs {{
    {"Main Window", "main.bmp", "mnuMain", "&Main"},
    {"Equalizer", "eq.bmp", "mnuEq", "E&Q"},
    {"Playlist Editor", "pl.bmp", "mnuPl", "&PL"},
}};

constexpr std::string_view kMainNames[] = {"window-main.bmp", "main.bmp"};
constexpr std::string_view kEqualizerNames[] = {"window-equalizer.bmp", "eq.bmp", "eqmain.bmp"};
constexpr std::string_view kPlaylistNames[] = {"window-playlist.bmp", "pl.bmp"};

// The equalizer's ten band sliders: each band cuts the same 14 x 63 strip 18 pixels
// further right, while the areas over them were placed by hand.
constexpr std::array<int, 10> kBandAreaX {77, 96, 112, 130, 149, 168, 184, 203, 221, 240};
constexpr ElementRect EqBand(int band) { return rect(78 + 18 * band, 38, 14, 63); }
constexpr ElementRect bandArea(int band) { return rect(kBandAreaX[static_cast<size_t>(band)], 40, band < 2 ? 16 : 17, 61); }

// The playlist title bar: both fillers, left and right of the title, cut the same piece.
constexpr ElementRect PlTitle(int x, int width) { return rect(x, 0, width, 20); }
constexpr ElementRect fillerCut = PlTitle(37, 25);

// The playlist menu buttons and the strip at their left edge, which is the same for all five.
constexpr std::array<int, 5> kMenuButtonAreaX {15, 43, 72, 101, 233};
constexpr std::array<int, 5> kMenuButtonCutX {14, 43, 72, 101, 231};
constexpr ElementRect PlButton(int index) { return rect(kMenuButtonCutX[static_cast<size_t>(index)], 85, 22, 18); }
constexpr std::array<int, 5> kMenuSideAreaX {8, 36, 64, 94, 226};
constexpr ElementRect menuSideCut = rect(11, 86, 3, 18);
constexpr std::array<std::string_view, 5> kMenuButtonLabels {"+ File Menu", "- File Menu", "Sel All Menu",
                                                             "Misc Opts Menu", "Load List Menu"};

std::vector<ClickableArea> buildAreas()
{
    using A = ClickableArea;
    std::vector<ClickableArea> areas {
        {MainWindowTab, "imgTitle", -1, rect(0, 0, 275, 14), rect(0, 0, 275, 14), "Title bar"},
        {MainWindowTab, "imgClutterbar", -1, rect(10, 22, 8, 43), rect(10, 22, 8, 43), "Clutter bar"},
        {MainWindowTab, "imgPlayStop", -1, rect(24, 28, 11, 9), rect(24, 28, 11, 9), "Play, Stop and Pause indicator"},
        {MainWindowTab, "imgNumEx", -1, rect(38, 26, 9, 13), rect(36, 26, 10, 13), "+/- Sign"},
        {MainWindowTab, "imgTimeDis", -1, rect(48, 26, 51, 13), rect(48, 26, 51, 13), "Time Display"},
        {MainWindowTab, "imgSongTitle", -1, rect(112, 27, 153, 6), rect(112, 27, 153, 6), "Song Title"},
        {MainWindowTab, "imgMono", -1, rect(212, 41, 29, 12), rect(212, 41, 30, 12), "Mono indicator"},
        {MainWindowTab, "imgStereo", -1, rect(239, 41, 29, 12), rect(239, 41, 30, 12), "Stereo indicator"},
        {MainWindowTab, "imgVolume", -1, rect(107, 57, 68, 14), rect(107, 57, 68, 14), "Volume Bar"},
        {MainWindowTab, "imgVolBtn", -1, rect(134, 58, 14, 11), rect(133, 58, 14, 11), "Volume Bar Slider"},
        {MainWindowTab, "imgPanning", -1, rect(177, 57, 38, 14), rect(168, 57, 54, 14), "Panning Bar"},
        {MainWindowTab, "imgPanBtn", -1, rect(190, 58, 14, 11), rect(189, 58, 14, 11), "Panning Bar Slider"},
        {MainWindowTab, "imgEqualPlay", -1, rect(219, 58, 46, 12), rect(219, 58, 46, 12), "Equalizer and Playlist"},
        {MainWindowTab, "imgSeeking", -1, rect(16, 72, 248, 10), rect(16, 72, 248, 10), "Seeking Bar"},
        {MainWindowTab, "imgControl", -1, rect(16, 88, 114, 18), rect(16, 88, 114, 18), "Control buttons"},
        {MainWindowTab, "imgEject", -1, rect(136, 89, 22, 16), rect(136, 89, 22, 16), "Eject"},
        {MainWindowTab, "imgShuffle", -1, rect(165, 88, 47, 15), rect(164, 89, 47, 15), "Shuffle"},
        {MainWindowTab, "imgRepeat", -1, rect(210, 88, 28, 15), rect(210, 89, 28, 15), "Repeat"},
        A {MainWindowTab, "imgTessel", -1, rect(23, 42, 76, 19), {}, "Random Tessel Generator", AreaAction::RandomColourFile},

        {EqualizerTab, "imgEqTitle", -1, rect(0, 0, 275, 14), rect(0, 0, 275, 14), "Equalizer Title Bar"},
        {EqualizerTab, "imgEqClose", -1, rect(264, 0, 12, 12), rect(264, 3, 9, 9), "Close Window"},
        {EqualizerTab, "imgEqOnAuto", -1, rect(13, 17, 60, 13), rect(14, 18, 58, 12), "On and Auto Button"},
        {EqualizerTab, "imgEqPreset", -1, rect(216, 16, 49, 17), rect(217, 17, 44, 12), "Preset Button"},
        {EqualizerTab, "imgEqDisplay", -1, rect(87, 16, 113, 20), rect(86, 17, 113, 19), "EQ Display"},
        {EqualizerTab, "imgEqPreamp", -1, rect(19, 37, 17, 65), rect(21, 37, 14, 63), "Preamp Slide Bar"},
    };
    for (int band = 0; band < 10; ++band)
        areas.push_back({EqualizerTab, "imgEqControl", band, bandArea(band), EqBand(band), "EQ Control Bar"});

    // Later areas lie on top: the window buttons on the title bar, the menu buttons
    // on the bottom part.
    const ClickableArea playlist[] = {
        {PlaylistTab, "imgPlTitlebar", 0, rect(0, 0, 25, 21), PlTitle(0, 25), "Top Left Corner"},
        {PlaylistTab, "imgPlTitlebar", 1, rect(24, 0, 62, 21), fillerCut, ""},
        {PlaylistTab, "imgPlTitlebar", 2, rect(85, 0, 103, 21), PlTitle(87, 100), "Title"},
        {PlaylistTab, "imgPlTitlebar", 3, rect(187, 0, 62, 21), fillerCut, ""},
        {PlaylistTab, "imgPlTitlebar", 4, rect(248, 0, 27, 21), PlTitle(250, 25), "Top Right Corner"},
        {PlaylistTab, "imgPlWin", 0, rect(251, 1, 12, 12), rect(254, 3, 10, 9), "Minimize Window"},
        {PlaylistTab, "imgPlWin", 1, rect(263, 1, 12, 12), rect(263, 3, 10, 9), "Close Window"},
        {PlaylistTab, "imgPlSide", 0, rect(0, 19, 13, 59), rect(0, 26, 25, 29), "Left Side"},
        {PlaylistTab, "imgPlSide", 1, rect(256, 19, 17, 59), rect(249, 26, 25, 29), "Right Side"},
        {PlaylistTab, "imgPlBottom", -1, rect(0, 77, 275, 39), rect(0, 78, 275, 38), "Bottom Part"},
    };
    areas.insert(areas.end(), std::begin(playlist), std::end(playlist));
    for (int i = 0; i < 5; ++i) {
        const auto n = static_cast<size_t>(i);
        areas.push_back(
            {PlaylistTab, "imgPlButton", i, rect(kMenuButtonAreaX[n], 85, 20, 20), PlButton(i), kMenuButtonLabels[n]});
    }
    for (int i = 0; i < 5; ++i)
        areas.push_back({PlaylistTab, "imgPlMenuSide", i, rect(kMenuSideAreaX[static_cast<size_t>(i)], 85, 8, 20),
                         menuSideCut, "Menu Side Bar"});
    return areas;
}

const std::vector<ClickableArea>& allAreas()
{
    static const std::vector<ClickableArea> areas = buildAreas();
    return areas;
}

const ClickableArea* findArea(std::string_view control, int index)
{
    const auto& areas = allAreas();
    const auto found = std::find_if(areas.begin(), areas.end(), [&](const ClickableArea& area) {
        return area.control == control && area.index == index;
    });
    return found == areas.end() ? nullptr : &*found;
}

// A command of an element menu: the area whose tool tip labels it, and its own cut
// where that differs from the area's.
struct CommandSource
{
    std::string_view command;
    std::string_view control;
    int index;
    std::optional<ElementRect> ownCut;
};

using Kind = MenuItem::Kind;

std::vector<CommandSource> buildCommands()
{
    std::vector<CommandSource> commands {
        {"mnuMainControl", "imgControl", -1, {}},
        {"mnuMainEject", "imgEject", -1, {}},
        {"mnuMainShuffle", "imgShuffle", -1, {}},
        {"mnuMainRepeat", "imgRepeat", -1, {}},
        {"mnuMainEqual", "imgEqualPlay", -1, rect(219, 58, 23, 12)},
        {"mnuMainPlay", "imgEqualPlay", -1, rect(242, 58, 23, 12)},
        {"mnuMainEqualPlay", "imgEqualPlay", -1, {}},
        {"mnuMainStereo", "imgStereo", -1, {}},
        {"mnuMainMono", "imgMono", -1, {}},
        {"mnuMainPlayStop", "imgPlayStop", -1, rect(24, 27, 11, 9)},
        {"mnuMainNumEx", "imgNumEx", -1, {}},
        {"mnuMainTitle", "imgTitle", -1, {}},
        {"mnuMainClutter", "imgClutterbar", -1, {}},
        {"mnuMainSeeking", "imgSeeking", -1, {}},
        {"mnuMainVolume", "imgVolume", -1, {}},
        {"mnuMainVolBtn", "imgVolBtn", -1, {}},
        {"mnuMainPanning", "imgPanning", -1, {}},
        {"mnuMainPanBtn", "imgPanBtn", -1, {}},
        {"mnuMainSongTitle", "imgSongTitle", -1, {}},
        {"mnuMainTimeDis", "imgTimeDis", -1, {}},

        {"mnuEqTitle", "imgEqTitle", -1, {}},
        {"mnuEqClose", "imgEqClose", -1, {}},
        {"mnuEqOn", "imgEqOnAuto", -1, rect(14, 18, 25, 12)},
        {"mnuEqAuto", "imgEqOnAuto", -1, rect(39, 18, 33, 12)},
        {"mnuEqPreset", "imgEqPreset", -1, {}},
        {"mnuEqDisplay", "imgEqDisplay", -1, {}},
        {"mnuEqPreamp", "imgEqPreamp", -1, {}},

        {"mnuPlLeftCorner", "imgPlTitlebar", 0, {}},
        {"mnuPlSpace", "imgPlTitlebar", 3, {}},
        {"mnuPlTitle", "imgPlTitlebar", 2, {}},
        {"mnuPlRightCorner", "imgPlTitlebar", 4, {}},
        {"mnuPlMin", "imgPlWin", 0, {}},
        {"mnuPlClose", "imgPlWin", 1, {}},
        {"mnuPlLeftSide", "imgPlSide", 0, {}},
        {"mnuPlRightSide", "imgPlSide", 1, {}},
        {"mnuPlBottom", "imgPlBottom", -1, {}},
        {"mnuPlFilePlus", "imgPlButton", 0, {}},
        {"mnuPlFileMini", "imgPlButton", 1, {}},
        {"mnuPlSelAll", "imgPlButton", 2, {}},
        {"mnuPlMiscOpts", "imgPlButton", 3, {}},
        {"mnuPlLoadList", "imgPlButton", 4, {}},
        {"mnuPlMenuSide", "imgPlMenuSide", 0, {}},
    };
    // All ten band areas carry the same tool tip; the commands take the one of area 1.
    static const std::array<std::string, 10> bandCommands = [] {
        std::array<std::string, 10> names;
        for (size_t i = 0; i < names.size(); ++i)
            names[i] = std::string("mnuEqControl").append(std::to_string(i + 1));
        return names;
    }();
    for (int band = 0; band < 10; ++band)
        commands.push_back({bandCommands[static_cast<size_t>(band)], "imgEqControl", 1, EqBand(band)});
    return commands;
}

const std::vector<CommandSource>& allCommands()
{
    static const std::vector<CommandSource> commands = buildCommands();
    return commands;
}

constexpr MenuItem separator(int depth) { return {Kind::Separator, depth, "", "-"}; }

constexpr std::array kMainMenu {
    MenuItem {Kind::Submenu, 0, "mnuMainButtons", "&Buttons"},
    MenuItem {Kind::Command, 1, "mnuMainControl", "&Control Buttons"},
    MenuItem {Kind::Command, 1, "mnuMainEject", "&Eject"},
    separator(1),
    MenuItem {Kind::Command, 1, "mnuMainShuffle", "&Shuffle"},
    MenuItem {Kind::Command, 1, "mnuMainRepeat", "&Repeat"},
    MenuItem {Kind::Submenu, 1, "mnuMainEqPl", "E&Q / PL"},
    MenuItem {Kind::Command, 2, "mnuMainEqual", "&Graphical Equalizer Only"},
    MenuItem {Kind::Command, 2, "mnuMainPlay", "&Playlist Editor Only"},
    MenuItem {Kind::Command, 2, "mnuMainEqualPlay", "Both &EQ and PL"},
    MenuItem {Kind::Submenu, 0, "mnuMainIndicator", "&Indicators"},
    MenuItem {Kind::Command, 1, "mnuMainStereo", "&Stereo"},
    MenuItem {Kind::Command, 1, "mnuMainMono", "&Mono"},
    separator(1),
    MenuItem {Kind::Command, 1, "mnuMainPlayStop", "&Play/Stop"},
    MenuItem {Kind::Command, 1, "mnuMainNumEx", "+/- Sign"},
    MenuItem {Kind::Submenu, 0, "mnuMainBars", "B&ars"},
    MenuItem {Kind::Command, 1, "mnuMainTitle", "&Title Bar"},
    MenuItem {Kind::Command, 1, "mnuMainClutter", "&Clutter Bar"},
    separator(1),
    MenuItem {Kind::Command, 1, "mnuMainSeeking", "&Seeking Bar"},
    MenuItem {Kind::Submenu, 1, "mnuMainVol", "&Volume"},
    MenuItem {Kind::Command, 2, "mnuMainVolume", "&Volume Bar"},
    MenuItem {Kind::Command, 2, "mnuMainVolBtn", "V&olume Bar Slider"},
    MenuItem {Kind::Submenu, 1, "mnuMainPan", "&Panning"},
    MenuItem {Kind::Command, 2, "mnuMainPanning", "&Panning Bar"},
    MenuItem {Kind::Command, 2, "mnuMainPanBtn", "Panning &Bar Slider"},
    MenuItem {Kind::Submenu, 0, "mnuMainOthers", "&Others"},
    MenuItem {Kind::Command, 1, "mnuMainSongTitle", "&Song Title"},
    MenuItem {Kind::Command, 1, "mnuMainTimeDis", "&Time Display"},
};

constexpr std::array kEqMenu {
    MenuItem {Kind::Command, 0, "mnuEqTitle", "&Title Bar"},
    MenuItem {Kind::Command, 0, "mnuEqClose", "&Close Window"},
    MenuItem {Kind::Submenu, 0, "mnuEqButtons", "&Buttons"},
    MenuItem {Kind::Command, 1, "mnuEqOn", "&On"},
    MenuItem {Kind::Command, 1, "mnuEqAuto", "&Auto"},
    separator(1),
    MenuItem {Kind::Command, 1, "mnuEqPreset", "&Preset"},
    MenuItem {Kind::Command, 0, "mnuEqDisplay", "EQ &Display"},
    MenuItem {Kind::Submenu, 0, "mnuEqBar", "B&ars"},
    MenuItem {Kind::Command, 1, "mnuEqPreamp", "&Preamp"},
    MenuItem {Kind::Submenu, 1, "mnuEqControl", "&Control"},
    MenuItem {Kind::Command, 2, "mnuEqControl1", "&1"},
    MenuItem {Kind::Command, 2, "mnuEqControl2", "&2"},
    MenuItem {Kind::Command, 2, "mnuEqControl3", "&3"},
    MenuItem {Kind::Command, 2, "mnuEqControl4", "&4"},
    MenuItem {Kind::Command, 2, "mnuEqControl5", "&5"},
    MenuItem {Kind::Command, 2, "mnuEqControl6", "&6"},
    MenuItem {Kind::Command, 2, "mnuEqControl7", "&7"},
    MenuItem {Kind::Command, 2, "mnuEqControl8", "&8"},
    MenuItem {Kind::Command, 2, "mnuEqControl9", "&9"},
    MenuItem {Kind::Command, 2, "mnuEqControl10", "1&0"},
};

constexpr std::array kPlMenu {
    MenuItem {Kind::Submenu, 0, "mnuPlTitlebar", "&Title Bar"},
    MenuItem {Kind::Command, 1, "mnuPlLeftCorner", "&Left Corner"},
    MenuItem {Kind::Command, 1, "mnuPlSpace", "&Space in Between"},
    MenuItem {Kind::Command, 1, "mnuPlTitle", "&Title"},
    MenuItem {Kind::Command, 1, "mnuPlRightCorner", "&Right Corner"},
    separator(1),
    MenuItem {Kind::Command, 1, "mnuPlMin", "&Minimize Window"},
    MenuItem {Kind::Command, 1, "mnuPlClose", "&Close Window"},
    MenuItem {Kind::Submenu, 0, "mnuPlSide", "&Sides"},
    MenuItem {Kind::Command, 1, "mnuPlLeftSide", "&Left"},
    MenuItem {Kind::Command, 1, "mnuPlRightSide", "&Right"},
    MenuItem {Kind::Command, 1, "mnuPlBottom", "&Bottom"},
    MenuItem {Kind::Submenu, 0, "mnuPlMenu", "&Menus"},
    MenuItem {Kind::Command, 1, "mnuPlFilePlus", "&+ File"},
    MenuItem {Kind::Command, 1, "mnuPlFileMini", "- &File"},
    MenuItem {Kind::Command, 1, "mnuPlSelAll", "&Sel All"},
    MenuItem {Kind::Command, 1, "mnuPlMiscOpts", "&Misc Opts"},
    separator(1),
    MenuItem {Kind::Command, 1, "mnuPlLoadList", "&Load List"},
    separator(1),
    MenuItem {Kind::Command, 1, "mnuPlMenuSide", "Menu &Bar"},
};

std::vector<ElementRect> buildCutRectangles(int tab)
{
    std::vector<ElementRect> cuts;
    const auto add = [&cuts](const ElementRect& cut) {
        if (std::find(cuts.begin(), cuts.end(), cut) == cuts.end())
            cuts.push_back(cut);
    };
    for (const ClickableArea& area : clickableAreas(tab))
        if (area.action == AreaAction::Cut)
            add(area.cut);
    for (const MenuItem& item : elementMenu(tab))
        if (item.kind == Kind::Command)
            add(elementForCommand(item.name)->cut);
    return cuts;
}

} // namespace

std::span<const TabDescriptor> tabDescriptors() { return kTabs; }

std::span<const std::string_view> skinWindowNames(int tab)
{
    switch (tab) {
    case MainWindowTab: return kMainNames;
    case EqualizerTab: return kEqualizerNames;
    default: return kPlaylistNames;
    }
}

std::string controlDisplayName(const ClickableArea& area)
{
    std::string name(area.control);
    if (area.index >= 0)
        name.append("(").append(std::to_string(area.index)).append(")");
    return name;
}

std::span<const ClickableArea> clickableAreas(int tab)
{
    const auto& areas = allAreas();
    const auto first = std::find_if(areas.begin(), areas.end(), [tab](const ClickableArea& a) { return a.tab == tab; });
    const auto last = std::find_if(first, areas.end(), [tab](const ClickableArea& a) { return a.tab != tab; });
    return {first, last};
}

std::span<const MenuItem> elementMenu(int tab)
{
    switch (tab) {
    case MainWindowTab: return kMainMenu;
    case EqualizerTab: return kEqMenu;
    case PlaylistTab: return kPlMenu;
    default: return {};
    }
}

std::optional<Element> elementForArea(std::string_view control, int index)
{
    const ClickableArea* area = findArea(control, index);
    if (area == nullptr || area->action != AreaAction::Cut)
        return std::nullopt;
    return Element {area->cut, area->label};
}

std::optional<Element> elementForCommand(std::string_view command)
{
    const auto& commands = allCommands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [command](const CommandSource& source) { return source.command == command; });
    if (found == commands.end())
        return std::nullopt;
    const ClickableArea* area = findArea(found->control, found->index);
    return Element {found->ownCut.value_or(area->cut), area->label};
}

std::span<const ElementRect> cutRectangles(int tab)
{
    static const std::array<std::vector<ElementRect>, kTabCount> cuts {
        buildCutRectangles(MainWindowTab), buildCutRectangles(EqualizerTab), buildCutRectangles(PlaylistTab)};
    if (tab < 0 || tab >= kTabCount)
        return {};
    return cuts[static_cast<size_t>(tab)];
}

} // namespace kit
