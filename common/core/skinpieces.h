#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <string>
#include <vector>

// The player's 275 x 116 main window as the skin draws it: the ten bitmaps it is
// composed from and which rectangle of which bitmap goes to which place. Tessel's
// skin preview draws from this table and the skin checker measures the bitmaps
// against it.
namespace kit {

enum class SkinFile { Main, CButtons, ShufRep, PosBar, Volume, MonoSter, TitleBar, Text, Numbers, PlayPaus };
inline constexpr int kSkinFileCount = 10;

// The file names in loading order. Skins come from Windows, so a file on disk
// matches its name whatever the case of its letters ("Main.bmp", "MAIN.BMP").
inline constexpr std::array<const char*, kSkinFileCount> kSkinFileNames {
    "main.bmp", "cbuttons.bmp", "shufrep.bmp", "posbar.bmp", "volume.bmp",
    "monoster.bmp", "titlebar.bmp", "text.bmp", "numbers.bmp", "playpaus.bmp",
};

inline constexpr QSize kMainWindowSize {275, 116};

// What the player's main window is showing.
enum class TransportButton { None, Back, Play, Pause, Stop, Forward, Eject, Shuffle };
enum class Channel { Stereo, Mono, Off };

struct MainWindowLook
{
    TransportButton pressed = TransportButton::None;
    Channel channel = Channel::Stereo;
    QString title;
};

// The title area holds this many cells of the skin font, from (112, 27) on.
inline constexpr int kTitleCells = 30;

// One rectangle copied from a skin picture into the main window.
struct SkinPiece
{
    SkinFile source;
    QRect from;
    QPoint to;
};

// Every piece of the main window for `look`, in drawing order: transport,
// shuffle, repeat, equalizer and playlist buttons, position bar, volume and
// balance with their knobs, stereo and mono, title bar, side buttons, play
// indicator, the sample time (-01:22) and rate (128, 44) digits, and the 30
// title cells, first all blank, then the title's characters in capitals.
std::vector<SkinPiece> mainWindowPieces(const MainWindowLook& look);

// The transport button (back, play, pause, stop, forward or eject) whose area
// holds `point` of the main window, or None; shuffle and everything else are no
// transport button. An area is the button's place in the window; its right and
// bottom edges belong to the next thing over (play spans x 39 up to but not
// including 62).
TransportButton buttonAt(QPoint point);

// The position knob's picture in posbar.bmp while up and while held.
inline constexpr QRect kKnobUp {249, 0, 28, 10};
inline constexpr QRect kKnobHeld {278, 0, 28, 10};

// A rectangle that some look of the main window cuts from a skin bitmap, with
// the name an author knows it by ("eject button held", "time digit 7",
// "glyph Q"). The digits and the glyphs of the font are all listed, not only
// those of the sample time and title, since the player shows every one of them.
struct NamedPiece
{
    SkinFile source;
    QRect from;
    std::string name;
};

// Every such rectangle once, grouped by bitmap in loading order. main.bmp is
// drawn whole and has none.
const std::vector<NamedPiece>& everySkinPiece();

} // namespace kit
