#pragma once

#include <QColor>
#include <QImage>

namespace knapro {

inline const QColor kOverlayBackdrop {0x23, 0x27, 0x34};
inline const QColor kOverlayOutline {0xd6, 0xe2, 0xf8};

// The 275 x 116 cover laid over a tab's picture so that the author sees only what
// can be cut: every element rectangle of the tab is fully transparent, with a
// one-pixel light outline just outside it wherever that does not fall into another
// element; everything else is opaque backdrop with sample content of what the player
// draws there itself (a spectrum for the main window, the dB scale and band captions
// for the equalizer, a track list and a small transport display for the playlist).
// Needs a running QGuiApplication for its text.
QImage overlayPicture(int tab);

} // namespace knapro
