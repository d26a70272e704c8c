#pragma once

#include <windows.h>

#include <cstddef>

// The host player's visualization interface, version 0x101, as the plug-in and
// the host stand-in both see it: one exported getter returns the header, whose
// module getter hands out module records. Every callback gets the module record
// and uses the C calling convention.
namespace dovrik {

inline constexpr int kVisInterfaceVersion = 0x101;
inline constexpr int kVisDataBytes = 576;

struct VisModule {
    const char* description;
    HWND hwndParent;          // filled by the host
    HINSTANCE hDllInstance;   // filled by the host
    int sRate;                // filled by the host
    int nCh;                  // filled by the host
    int latencyMs;
    int delayMs;              // wished time between Render calls
    int spectrumNch;
    int waveformNch;
    unsigned char spectrumData[2][kVisDataBytes]; // filled by the host before each Render
    unsigned char waveformData[2][kVisDataBytes];
    void (*Config)(VisModule* module);
    int (*Init)(VisModule* module);
    int (*Render)(VisModule* module);
    void (*Quit)(VisModule* module);
    void* userData;
};

struct VisHeader {
    int version;
    const char* description;
    VisModule* (*getModule)(int index);
};

using VisHeaderGetter = VisHeader* (*)();
inline constexpr char kVisHeaderGetterName[] = "winampVisGetHeader";

#if defined(_WIN32) && !defined(_WIN64)
// The host reads these records by offset; they must not move on the 32-bit target.
static_assert(offsetof(VisModule, hwndParent) == 4);
static_assert(offsetof(VisModule, hDllInstance) == 8);
static_assert(offsetof(VisModule, latencyMs) == 20);
static_assert(offsetof(VisModule, spectrumData) == 36);
static_assert(offsetof(VisModule, waveformData) == 1188);
static_assert(offsetof(VisModule, Config) == 2340);
static_assert(offsetof(VisModule, Init) == 2344);
static_assert(offsetof(VisModule, Render) == 2348);
static_assert(offsetof(VisModule, Quit) == 2352);
static_assert(offsetof(VisModule, userData) == 2356);
static_assert(sizeof(VisModule) == 2360);
static_assert(offsetof(VisHeader, description) == 4);
static_assert(offsetof(VisHeader, getModule) == 8);
static_assert(sizeof(VisHeader) == 12);
#endif

} // namespace dovrik
