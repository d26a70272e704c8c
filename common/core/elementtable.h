#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The skin elements cut out of a 275 x 116 picture of each of the player's three
// windows. This table is the one source for Knapro's clickable areas laid over
// the picture, its overlay artwork, its element menus and every cut, and for the
// skin checker's account of what a picture too small for its cuts loses.
namespace kit {

inline constexpr int kPictureWidth = 275;
inline constexpr int kPictureHeight = 116;
inline constexpr int kTabCount = 3;

enum Tab : int { MainWindowTab = 0, EqualizerTab = 1, PlaylistTab = 2 };

// One rectangle in pixels of a window picture.
struct ElementRect
{
    std::int16_t intX = 0;
    std::int16_t intY = 0;
    std::int16_t intWidth = 0;
    std::int16_t intHeight = 0;

    friend bool operator==(const ElementRect&, const ElementRect&) = default;
};

// A tab of the main window: which player window it holds and its element menu.
struct TabDescriptor
{
    std::string_view caption;         // "Main Window"
    std::string_view defaultFileName; // offered by the open dialog: "main.bmp"
    std::string_view menuName;        // "mnuMain"
    std::string_view menuCaption;     // "&Main"
};

// The three tabs in order; index i describes tab i.
std::span<const TabDescriptor> tabDescriptors();

// The names a skin may hold a whole picture of the window of `tab` under, in
// the order they are looked for: the kit's name for it (window-main.bmp, as the
// sample skin has them), the one Knapro's Open offers, then, for the equalizer,
// the player's own eqmain.bmp, whose top left 275 x 116 pixels are the
// equalizer window. The player's own bitmaps hold no whole picture of the
// playlist editor.
std::span<const std::string_view> skinWindowNames(int tab);

enum class AreaAction { Cut, RandomColourFile };

// A transparent rectangle over the displayed picture that picks an element.
// `index` is the area's place in its control array, or -1 for a single control.
struct ClickableArea
{
    int tab;
    std::string_view control;
    int index;
    ElementRect area;
    ElementRect cut; // unused when action is RandomColourFile
    std::string_view label;
    AreaAction action = AreaAction::Cut;
};

// "imgPlTitlebar(2)" for an array member, "imgTitle" for a single control.
std::string controlDisplayName(const ClickableArea& area);

// Every clickable area of `tab`, in the order they are stacked (later ones on top).
std::span<const ClickableArea> clickableAreas(int tab);

// One line of an element menu. Items come in menu order; a command or submenu at
// depth d belongs to the nearest submenu above it at depth d - 1 (depth 0 items sit
// directly in the tab's menu).
struct MenuItem
{
    enum class Kind { Submenu, Command, Separator };
    Kind kind;
    int depth;
    std::string_view name;    // "mnuMainVolBtn"; empty for a separator
    std::string_view caption; // with its accelerator mark: "V&olume Bar Slider"; "-" for a separator
};

// The items of the element menu of `tab`.
std::span<const MenuItem> elementMenu(int tab);

// What a pick hands to the cutting routine.
struct Element
{
    ElementRect cut;
    std::string_view label;
    friend bool operator==(const Element&, const Element&) = default;
};

// The element picked by a click on the area `control` (with its array `index`, or
// -1). Empty for an unknown area and for the visualization display, which picks no
// element.
std::optional<Element> elementForArea(std::string_view control, int index = -1);

// The element picked by the menu command `command` ("mnuEqAuto"). The label is the
// tool tip of the command's matching area, so a click and a menu command on the
// same element show the same label. Empty for a name that is no element command.
std::optional<Element> elementForCommand(std::string_view command);

// Every rectangle that some area or command of `tab` cuts, each once.
std::span<const ElementRect> cutRectangles(int tab);

} // namespace kit
