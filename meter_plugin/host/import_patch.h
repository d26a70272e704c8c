#pragma once

#include <windows.h>

// Lets the host stand-in play the platform's part in a test: calls that a
// loaded library makes to a system function go through the library's import
// table, and the host can point an entry of that table at a stand-in of its own.
// The library itself is left as it was built.
namespace dovrik::host {

// Points the calls that `module` makes to `function` of `library` (a name as the
// import table spells it, compared without regard to case) at `replacement`.
// False when the module does not import that function by name.
bool redirectImport(HMODULE module, const char* library, const char* function, void* replacement);

} // namespace dovrik::host
