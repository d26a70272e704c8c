#pragma once

#include <QImage>
#include <QPixmap>

class QWidget;

namespace kit {
class PictureButton;
}

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

// A picture button showing `icon`, named after its control, at a position given
// in twips inside `parent`.
kit::PictureButton* placeButton(QWidget* parent, const char* name, Icon icon, const char* toolTip, int leftTwips,
                                int topTwips);

// The built-in 275 x 116 picture of a player's main window that regions are drawn on.
QImage builtInSkin();

} // namespace plevo
