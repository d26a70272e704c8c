#include "meter_plugin/host/platform_stand_ins.h"

#include "meter_plugin/host/host_report.h"
#include "meter_plugin/host/import_patch.h"
#include "meter_plugin/host/plugin_host.h"

#include <atomic>
#include <cstring>
#include <string>

namespace dovrik::host {
namespace {

std::atomic<int> threadsToRefuse{0};
std::atomic<int> copiesMade{0};

BOOL WINAPI countingBitBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                           DWORD operation)
{
    ++copiesMade;
    return BitBlt(target, x, y, width, height, source, sourceX, sourceY, operation);
}

HANDLE WINAPI refusingCreateThread(LPSECURITY_ATTRIBUTES security, SIZE_T stackSize, LPTHREAD_START_ROUTINE routine,
                                   void* argument, DWORD flags, DWORD* id)
{
    int left = threadsToRefuse;
    while (left > 0 && !threadsToRefuse.compare_exchange_weak(left, left - 1)) {
    }
    if (left > 0) {
        report("thread start refused");
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return CreateThread(security, stackSize, routine, argument, flags, id);
}

BOOL WINAPI refusingProfileWrite(const wchar_t*, const wchar_t* key, const wchar_t*, const wchar_t*)
{
    report("settings write refused: %s", key ? utf8(key).c_str() : "(section)");
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

HINSTANCE WINAPI reportingShellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                                       const wchar_t* directory, int show)
{
    auto text = [](const wchar_t* value) { return value ? utf8(value) : std::string("(none)"); };
    char ownerClass[32] = {};
    GetClassNameA(owner, ownerClass, sizeof ownerClass);
    report("shell %s %s in %s, parameters %s, show %d, owner %s", text(verb).c_str(), text(file).c_str(),
           text(directory).c_str(), text(parameters).c_str(), show, ownerClass);
    return reinterpret_cast<HINSTANCE>(33); // anything above 32 is success
}

void redirect(HMODULE plugin, const char* library, const char* function, void* standIn)
{
    // A test that meant to stand in must not pass because the call went elsewhere.
    if (!redirectImport(plugin, library, function, standIn))
        report("cannot stand in for %s", function);
}

LRESULT CALLBACK refuseMeterWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        char className[16] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
        if (std::strcmp(className, kMeterClassName) == 0) {
            report("meter window refused");
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

PlatformStandIns::PlatformStandIns(int refusedThreads, bool refuseSaves, bool countCopies)
    : refuseThreads_(refusedThreads > 0), refuseSaves_(refuseSaves), countCopies_(countCopies)
{
    threadsToRefuse = refusedThreads;
}

int PlatformStandIns::copies()
{
    return copiesMade;
}

void PlatformStandIns::standIn(HMODULE plugin) const
{
    redirect(plugin, "shell32.dll", "ShellExecuteW", reinterpret_cast<void*>(&reportingShellExecute));
    if (refuseThreads_)
        redirect(plugin, "kernel32.dll", "CreateThread", reinterpret_cast<void*>(&refusingCreateThread));
    if (refuseSaves_)
        redirect(plugin, "kernel32.dll", "WritePrivateProfileStringW", reinterpret_cast<void*>(&refusingProfileWrite));
    if (countCopies_)
        redirect(plugin, "gdi32.dll", "BitBlt", reinterpret_cast<void*>(&countingBitBlt));
}

MeterWindowRefusal::MeterWindowRefusal()
    : hook_(SetWindowsHookExW(WH_CBT, refuseMeterWindow, nullptr, GetCurrentThreadId()))
{
}

MeterWindowRefusal::~MeterWindowRefusal()
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
}

} // namespace dovrik::host
