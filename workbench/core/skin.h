#pragma once

#include "common/core/skinpieces.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

// The skin preview: the ten bitmaps Tessel reads from a skin directory and the
// player's 275 x 116 main window composed from pieces of them. The pieces are
// the kit's own table, shared with the skin checker.
namespace tessel {

using kit::SkinFile;
using kit::kSkinFileCount;
using kit::kSkinFileNames;
using kit::kMainWindowSize;

// The ten pictures of a skin, Format_RGB32; one that did not load is a null image.
struct SkinPictures
{
    std::array<QImage, kSkinFileCount> images;

    const QImage& operator[](SkinFile file) const { return images[static_cast<size_t>(file)]; }
    QImage& operator[](SkinFile file) { return images[static_cast<size_t>(file)]; }
};

enum class SkinLoadError { None, Missing, Unreadable, NotAPicture };

struct SkinLoad
{
    SkinPictures pictures;
    // The first file in loading order that did not load, how it failed and the
    // path it was read from (the directory and the name it was looked up by
    // when there was no such file).
    int failedFile = -1;
    SkinLoadError error = SkinLoadError::None;
    QString failedPath;
};

// The path of the file called `name` in `directory` (which ends with a
// separator), matched without regard to case; an exact match wins. Empty when
// the directory holds no such file.
QString findSkinFile(const QString& directory, const QString& name);

// A skin bitmap is a few kilobytes; nothing larger than this is read.
inline constexpr std::uintmax_t kSkinFileSizeLimit = 64u << 20;

// Loads the ten pictures from `skinDirectory` (which ends with a separator).
// Every file is tried, whatever happens to the others; BMP, JPEG, GIF or any
// other picture Qt decodes is taken by its content, whatever its name says. A
// file whose data ends before its own structure says it does is no picture, and
// only regular files of up to kSkinFileSizeLimit bytes are read.
SkinLoad LoadSkin(const QString& skinDirectory);

// The message the author is shown after `load`, or an empty text when every
// file loaded. When the first failed file holds data that is not a picture:
// "Unrecognized BMP Format: " with its full path, CR LF and "Resave file in a
// BMP editor."; for any other failure the message that not all were found.
QString skinLoadMessage(const SkinLoad& load);

using kit::TransportButton;
using kit::Channel;
using kit::MainWindowLook;

// "Stereo" and "Mono" light their indicator; any other text lights neither.
Channel channelFromText(const QString& text);

using kit::kTitleCells;
using kit::SkinPiece;
using kit::mainWindowPieces;

// The main window: main.bmp (black where it is missing) with every piece of
// mainWindowPieces copied over it. Pieces from pictures that did not load draw
// nothing.
QImage DrawMainWindow(const SkinPictures& skin, const MainWindowLook& look);

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
