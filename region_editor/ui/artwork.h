#pragma once

#include <QImage>
#include <QPixmap>

// The region editor's own pictures, drawn at start-up.
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
    FolderOpen,   // 16 x 16, for directory lists
    FolderClosed, // 16 x 16
};

// A 20 x 20 picture button face (16 x 16 for the folder icons).
QPixmap iconPixmap(Icon icon);

// The built-in 275 x 116 picture of a player's main window that regions are drawn on.
QImage builtInSkin();

} // namespace plevo
