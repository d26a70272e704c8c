#pragma once

#include "meter_plugin/win32/vis_interface.h"

namespace dovrik {

// The module's Config: the model dialog "Select PrePower Amplifier", modal and
// owned by the window active at the time, in the system's language. Choosing
// another face switches the running meter to it, or only stores the choice when
// the meter is not running. Afterwards a visible meter repaints.
void configureMeter(VisModule* module);

} // namespace dovrik
