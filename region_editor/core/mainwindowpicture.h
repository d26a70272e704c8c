#pragma once

#include <QImage>
#include <QString>

namespace plevo {

// The author's own picture of the player's main window, or why it cannot be
// shown. `path` names a picture file; a skin folder or a skin archive (.wsz,
// .zip), whose main.bmp is taken; or a file inside such an archive
// ("Blue.wsz/Blue/text.bmp"), which also means the skin's main.bmp, since the
// main window is what Plevo shows.
struct MainWindowPicture
{
    QImage image;    // 275 x 116, RGB32; null when refused
    QString name;      // as messages name it: "/home/me/main.png", "Blue.wsz: Blue/main.bmp"
    QString shortName; // for the status line: "main.png", "Blue.wsz: Blue/main.bmp"
    QString refusal;   // why it is not shown, a whole sentence; empty when it is
};

MainWindowPicture loadMainWindowPicture(const QString& path);

} // namespace plevo
