#pragma once

#include "common/core/composedwindow.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>

namespace kit {
class SkinSource;
}

// The skin preview: the ten bitmaps Tessel reads from a skin directory and the
// player's 275 x 116 main window composed from pieces of them. The pieces and
// the composition are the kit's own, shared with Knapro, Plevo and the skin
// checker.
namespace tessel {

using kit::SkinFile;
using kit::kSkinFileCount;
using kit::kSkinFileNames;
using kit::kMainWindowSize;

using kit::SkinPictures;

enum class SkinLoadError { None, Missing, Unreadable, NotAPicture, SkinRefused };

struct SkinLoad
{
    SkinPictures pictures;
    // The first file in loading order that did not load, how it failed and how
    // messages name it: its full path in a folder, "Blue.wsz: Blue/text.bmp" in
    // an archive; the skin and the name it was looked up by when it is missing.
    int failedFile = -1;
    SkinLoadError error = SkinLoadError::None;
    QString failedPath;
    // Why the skin itself could not be opened, naming it ("Blue.wsz: not a zip
    // archive"); nothing is loaded then. Empty otherwise.
    QString refusal;
};

// Loads the ten pictures from the skin at `skinPath`: a folder (which ends with
// a separator) or a .wsz or .zip archive, read in memory through the kit's skin
// source, which looks names up in any case and bounds what an archive may hold.
// Every file is tried, whatever happens to the others; BMP, JPEG, GIF or any
// other picture Qt decodes is taken by its content, whatever its name says. A
// file whose data ends before its own structure says it does is no picture, and
// only regular files are read.
SkinLoad LoadSkin(const QString& skinPath);
SkinLoad LoadSkin(const kit::SkinSource& skin);

// Whether the skin at `path` is an archive rather than a folder, by its name:
// .wsz or .zip in any case.
bool isSkinArchive(const QString& path);

// How the title bar names the skin at `skinPath`: the archive's file name, or
// the folder's own name.
QString skinTitleName(const QString& skinPath);

// The message the author is shown after `load`, or an empty text when every
// file loaded. When the first failed file holds data that is not a picture:
// "Unrecognized BMP Format: " with its name as failedPath gives it, CR LF and
// "Resave file in a BMP editor."; for any other failure of a file the message
// that not all were found; for a skin that could not be opened at all, why.
QString skinLoadMessage(const SkinLoad& load);

using kit::TransportButton;
using kit::Channel;
using kit::MainWindowLook;

// "Stereo" and "Mono" light their indicator; any other text lights neither.
Channel channelFromText(const QString& text);

using kit::kTitleCells;
using kit::SkinPiece;
using kit::mainWindowPieces;

using kit::DrawMainWindow;

using kit::buttonAt;

// The position knob: 28 x 10 over the position bar, its left edge kept between
// 17 and 237; its picture in posbar.bmp while up and while held.
inline constexpr int kKnobTop = 72;
inline constexpr int kKnobLeftmost = 17;
inline constexpr int kKnobRightmost = 237;
using kit::kKnobUp;
using kit::kKnobHeld;

// Where the knob's left edge goes when the pointer is at x `pointerX` of the
// main window and the knob was grabbed `grabX` pixels right of its left edge.
int knobLeft(int pointerX, int grabX);

} // namespace tessel
