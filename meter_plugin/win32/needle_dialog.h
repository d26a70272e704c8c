#pragma once

// The needle dialog ("Set Needle"): the full scale, the fall of the needles and
// automatic ranging, changed while the meter runs. It runs modally on a thread of
// its own, as a child window of the host's main window, and saves the settings
// when it closes. Both functions run on the meter's thread.
namespace dovrik {

// Opens the dialog on a new thread, or brings an open one back from its minimized
// state to (104, 0) in the host window. When no thread can be started, nothing
// opens and a later Set Needle tries afresh.
void setNeedle();

// Closes an open dialog, which saves the settings as any close does, and waits
// for its thread to end, so that the library can be unloaded. Quit and Exit
// PlugIn end the dialog this way.
void endNeedleDialog();

} // namespace dovrik
