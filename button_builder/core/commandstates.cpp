#include "button_builder/core/commandstates.h"

namespace knapro {

CommandStates commandStates(const std::array<QSize, kTabCount>& tabPictureSizes, int currentTab, bool previewShown)
{
    CommandStates states;
    for (int tab = 0; tab < kTabCount; ++tab) {
        const QSize size = tabPictureSizes[static_cast<size_t>(tab)];
        const bool loaded = size.isValid();
        states.closeAllEnabled = states.closeAllEnabled || loaded;
        if (tab == currentTab)
            states.closeEnabled = loaded;
        const bool windowSized = size == QSize(kPictureWidth, kPictureHeight);
        states.elementMenuVisible[static_cast<size_t>(tab)] = windowSized;
        states.elementMenuEnabled[static_cast<size_t>(tab)] = windowSized && tab == currentTab;
    }
    states.saveEnabled = previewShown;
    states.copyEnabled = previewShown;
    return states;
}

} // namespace knapro
