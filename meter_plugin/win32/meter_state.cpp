#include "meter_plugin/win32/meter_state.h"

#include "meter_plugin/win32/settings_file.h"

#include <type_traits>

namespace dovrik {

constinit MeterState meterState;
// The library has no start-up or shutdown code of its own: the state is set up
// at compile time and has nothing to tear down when the process ends.
static_assert(std::is_trivially_destructible_v<MeterState>);

void loadSettings(MeterState& state, HINSTANCE library)
{
    SettingValues current;
    {
        Locked locked(state.lock);
        current = currentSettings(state);
    }
    const SettingValues read = readSettings(current, settingsPathFor(library).c_str());
    Locked locked(state.lock);
    applySettings(state, read);
}

void saveSettings(MeterState& state, HINSTANCE library)
{
    SettingValues settings;
    {
        Locked locked(state.lock);
        settings = currentSettings(state);
    }
    writeSettings(settings, settingsPathFor(library).c_str());
}

} // namespace dovrik
