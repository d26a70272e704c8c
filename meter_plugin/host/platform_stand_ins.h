#pragma once

#include <windows.h>

// In a test run the host plays parts of the platform for the plug-in: it reports
// the plug-in's requests to the shell instead of carrying them out, and it can
// make the plug-in's thread starts, its settings file writes or the creation of
// its meter window fail, and count the plug-in's copies of pictures. The plug-in's calls reach these stand-ins through its
// import table (see import_patch.h); the library file stays as it was built.
namespace dovrik::host {

class PlatformStandIns {
public:
    // The first `refusedThreads` thread starts of the plug-in fail, counted over
    // every load; with `refuseSaves` no write to the settings file succeeds; with
    // `countCopies` the plug-in's copies of pictures (to its window, mostly) are counted.
    PlatformStandIns(int refusedThreads, bool refuseSaves, bool countCopies);

    // The copies counted so far.
    static int copies();

    // Points the loaded plug-in's calls at the stand-ins, and always its shell
    // requests at the reporting one.
    void standIn(HMODULE plugin) const;

private:
    bool refuseThreads_;
    bool refuseSaves_;
    bool countCopies_;
};

// While it lives, the meter window cannot be created on the calling thread.
class MeterWindowRefusal {
public:
    MeterWindowRefusal();
    ~MeterWindowRefusal();
    MeterWindowRefusal(const MeterWindowRefusal&) = delete;
    MeterWindowRefusal& operator=(const MeterWindowRefusal&) = delete;

private:
    HHOOK hook_;
};

} // namespace dovrik::host
