#pragma once

#include <QImage>
#include <QString>

namespace plevo {

// The author's own picture of the player's main window, or why it cannot be
// shown. `path` names a picture file, which is shown as it is; a skin folder
// or a skin archive (.wsz, .zip); or a file inside such an archive
// ("Blue.wsz/Blue/text.bmp"), which also means the whole skin, since the main
// window is what Plevo shows. A skin's main window is its main.bmp with the
// pieces of its other bitmaps drawn over it, as the player shows it; a skin
// whose main.bmp is missing or not 275 x 116 is refused.
struct MainWindowPicture
{
    QImage image;      // 275 x 116, RGB32; null when refused
    QString name;      // as messages name it: "/home/me/main.png", "Blue.wsz: Blue/main.bmp", "Blue.wsz"
    // For the status line: "main.png", "Blue.wsz: Blue/main.bmp" (a skin of
    // main.bmp alone), "Blue.wsz" (a composed window).
    QString shortName;
    QString refusal;   // why it is not shown, a whole sentence; empty when it is
    // What the author should know of a picture that is shown, a whole
    // sentence: the bitmaps a composed window lacks. Empty when there is none.
    QString note;
};

MainWindowPicture loadMainWindowPicture(const QString& path);

} // namespace plevo
