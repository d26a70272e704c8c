#pragma once

#include "region_editor/core/cdplayer.h"

#include <string>

typedef struct _CdIo CdIo_t;

namespace plevo {

// A drive reached through libcdio: a real drive, or a BIN/CUE disc image read
// through libcdio's image driver. Audio is read through libcdio's paranoia
// reader, which rereads and checks what a drive returns.
class CdioDrive final : public CdDrive
{
public:
    enum class Source { Drive, CueImage };

    // For a drive, an empty path means the system's default drive.
    CdioDrive(Source source, std::string path);
    ~CdioDrive() override;
    CdioDrive(const CdioDrive&) = delete;
    CdioDrive& operator=(const CdioDrive&) = delete;

    CdProblem open(std::vector<CdTrack>& tracks) override;
    void close() override;
    void eject() override;
    bool playAnalog(std::int32_t firstSector, std::int32_t lastSector) override;
    void pauseAnalog() override;
    void resumeAnalog() override;
    void stopAnalog() override;
    std::optional<std::int32_t> analogPosition() override;
    std::unique_ptr<CdSectorReader> sectorReader() override;

private:
    Source m_source;
    std::string m_path;
    CdIo_t* m_cdio = nullptr;
};

} // namespace plevo
