#pragma once

#include <QPixmap>

// The region editor's own button faces, drawn at start-up.
namespace plevo {

enum class Icon {
    Floppy,
    FloppyArrowDown, // load
    FloppyArrowUp,   // save
    BlankPage,
    Magnifier,
    MagnifierDouble,
    MagnifierHalf,
    ArrowUpOverBars,
    ArrowDownOverBars,
    Cross,
    PlayPauseBars,
    ColourSwatches,
    ListPage,
    QuestionMark,
    LetterI,
    CompactDisc,
    Lightning,
    ColourWheelPin,
    RainbowLine,
    FolderOpen,   // 16 x 16, for directory lists
    FolderClosed, // 16 x 16
};

// A 20 x 20 picture button face (16 x 16 for the folder icons).
QPixmap iconPixmap(Icon icon);

} // namespace plevo
