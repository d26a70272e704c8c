#include "meter_plugin/host/process_resources.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstdint>

namespace dovrik::host {
namespace {

// Handle values are multiples of four; a process with more handles than this
// has lost count of them anyway.
constexpr std::uintptr_t kHandleValuesAsked = 1 << 14;

} // namespace

int threadsOfThisProcess()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return count;
}

int openHandles()
{
    int count = 0;
    for (std::uintptr_t value = 4; value < 4 * kHandleValuesAsked; value += 4) {
        DWORD flags = 0;
        count += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != FALSE;
    }
    return count;
}

std::size_t committedPrivateBytes()
{
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    std::size_t committed = 0;
    auto* at = static_cast<const char*>(system.lpMinimumApplicationAddress);
    MEMORY_BASIC_INFORMATION region{};
    while (at < system.lpMaximumApplicationAddress && VirtualQuery(at, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            committed += region.RegionSize;
        at = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    }
    return committed;
}

} // namespace dovrik::host
