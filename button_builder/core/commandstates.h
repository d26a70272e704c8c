#pragma once

#include "button_builder/core/elementtable.h"

#include <QSize>

#include <array>

namespace knapro {

// Which commands of the main window are available, decided from what the window
// shows. A tab's picture size is invalid (QSize()) while the tab holds no picture.
struct CommandStates
{
    bool closeEnabled = false;    // File > Close and the preview's Close
    bool closeAllEnabled = false;
    bool saveEnabled = false;     // the Save button, File > Save As and the preview's Save
    bool copyEnabled = false;     // Edit > Copy and the preview's Copy to Clipboard
    std::array<bool, kTabCount> elementMenuVisible {};
    std::array<bool, kTabCount> elementMenuEnabled {};

    friend bool operator==(const CommandStates&, const CommandStates&) = default;
};

// Close needs a picture on the current tab, Close All one on any tab; Save and Copy
// need a cut in the preview. A tab's element menu stays in the menu bar while the
// tab holds a 275 x 116 picture and can be used only while that tab is current.
CommandStates commandStates(const std::array<QSize, kTabCount>& tabPictureSizes, int currentTab, bool previewShown);

} // namespace knapro
