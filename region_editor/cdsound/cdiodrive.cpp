#include "region_editor/cdsound/cdiodrive.h"

#include "region_editor/cdsound/audioend.h"

// cdio.h first: the other headers lean on its types.
#include <cdio/cdio.h>
#include <cdio/audio.h>
#include <cdio/logging.h>
#include <cdio/mmc.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace plevo {
namespace {

// libcdio writes its warnings to the terminal; the player shows what matters in
// its track display instead.
void quietLog(cdio_log_level_t, const char*) {}

void silenceLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { cdio_log_set_handler(quietLog); });
}

// The paranoia reader of an open disc; it shares the disc's handle.
class ParanoiaReader final : public CdSectorReader
{
public:
    ParanoiaReader(cdrom_drive_t* drive, cdrom_paranoia_t* paranoia)
        : m_drive(drive)
        , m_paranoia(paranoia)
    {
    }
    ~ParanoiaReader() override
    {
        cdio_paranoia_free(m_paranoia);
        cdio_cddap_close_no_free_cdio(m_drive);
    }

    bool read(std::int32_t sector, char* into) override
    {
        if (sector != m_next)
            cdio_paranoia_seek(m_paranoia, sector, SEEK_SET);
        // A sector still unreadable after this many tries plays as silence.
        constexpr int kRetries = 20;
        const std::int16_t* samples = cdio_paranoia_read_limited(m_paranoia, nullptr, kRetries);
        m_next = sector + 1;
        if (!samples)
            return false;
        std::memcpy(into, samples, kCdSectorBytes);
        return true;
    }

private:
    cdrom_drive_t* m_drive;
    cdrom_paranoia_t* m_paranoia;
    std::int32_t m_next = -1;
};

} // namespace

CdioDrive::CdioDrive(Source source, std::string path)
    : m_source(source)
    , m_path(std::move(path))
{
    silenceLibrary();
}

CdioDrive::~CdioDrive()
{
    close();
}

CdProblem CdioDrive::open(std::vector<CdTrack>& tracks)
{
    close();
    if (m_source == Source::CueImage) {
        m_cdio = cdio_open_cue(m_path.c_str());
        if (!m_cdio)
            return CdProblem::NoDisc;
    } else {
        std::string device = m_path;
        if (device.empty()) {
            char* found = cdio_get_default_device(nullptr);
            if (!found)
                return CdProblem::NoDrive;
            device = found;
            std::free(found);
        }
        m_cdio = cdio_open_cd(device.c_str());
        if (!m_cdio)
            return CdProblem::NoDrive;
    }

    const track_t first = cdio_get_first_track_num(m_cdio);
    const track_t count = cdio_get_num_tracks(m_cdio);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0) {
        close();
        return CdProblem::NoDisc;
    }
    tracks.clear();
    std::vector<std::optional<std::int32_t>> pregapStarts;
    for (int number = first; number < first + count; ++number) {
        const auto track = static_cast<track_t>(number);
        const lsn_t start = cdio_get_track_lsn(m_cdio, track);
        const lsn_t last = cdio_get_track_last_lsn(m_cdio, track);
        if (start == CDIO_INVALID_LSN || last == CDIO_INVALID_LSN) {
            tracks.clear();
            close();
            return CdProblem::DriveError;
        }
        tracks.push_back({number, start, last, cdio_get_track_format(m_cdio, track) == TRACK_FORMAT_AUDIO});
        const lsn_t pregap = cdio_get_track_pregap_lsn(m_cdio, track);
        pregapStarts.push_back(pregap == CDIO_INVALID_LSN || pregap >= start ? std::nullopt
                                                                             : std::optional<std::int32_t>(pregap));
    }
    lsn_t lastSession = 0;
    const bool multisession = cdio_get_last_session(m_cdio, &lastSession) == DRIVER_OP_SUCCESS && lastSession > 0;
    endAudioBeforeData(tracks, pregapStarts, multisession ? std::optional<std::int32_t>(lastSession) : std::nullopt);
    return CdProblem::None;
}

void CdioDrive::close()
{
    if (m_cdio)
        cdio_destroy(m_cdio);
    m_cdio = nullptr;
}

void CdioDrive::eject()
{
    // An image has no tray, and libcdio's image driver frees parts of the disc
    // when asked to eject it, so an image is only closed.
    if (m_cdio && m_source == Source::Drive && cdio_eject_media(&m_cdio) == DRIVER_OP_SUCCESS)
        m_cdio = nullptr; // freed by the eject
    close();
}

bool CdioDrive::playAnalog(std::int32_t firstSector, std::int32_t lastSector)
{
    if (!m_cdio)
        return false;
    cdio_drive_read_cap_t read = 0;
    cdio_drive_write_cap_t write = 0;
    cdio_drive_misc_cap_t misc = 0;
    cdio_get_drive_cap(m_cdio, &read, &write, &misc);
    if (!(read & CDIO_DRIVE_CAP_READ_AUDIO) || (misc & (CDIO_DRIVE_CAP_MISC_FILE | CDIO_DRIVE_CAP_ERROR)))
        return false;
    msf_t start {};
    msf_t end {};
    cdio_lsn_to_msf(firstSector, &start);
    cdio_lsn_to_msf(lastSector, &end);
    return cdio_audio_play_msf(m_cdio, &start, &end) == DRIVER_OP_SUCCESS;
}

void CdioDrive::pauseAnalog()
{
    if (m_cdio)
        cdio_audio_pause(m_cdio);
}

void CdioDrive::resumeAnalog()
{
    if (m_cdio)
        cdio_audio_resume(m_cdio);
}

void CdioDrive::stopAnalog()
{
    if (m_cdio)
        cdio_audio_stop(m_cdio);
}

std::optional<std::int32_t> CdioDrive::analogPosition()
{
    cdio_subchannel_t subchannel {};
    if (!m_cdio || cdio_audio_read_subchannel(m_cdio, &subchannel) != DRIVER_OP_SUCCESS)
        return std::nullopt;
    if (subchannel.audio_status != CDIO_MMC_READ_SUB_ST_PLAY && subchannel.audio_status != CDIO_MMC_READ_SUB_ST_PAUSED)
        return std::nullopt;
    return cdio_msf_to_lsn(&subchannel.abs_addr);
}

std::unique_ptr<CdSectorReader> CdioDrive::sectorReader()
{
    if (!m_cdio)
        return nullptr;
    cdrom_drive_t* drive = cdio_cddap_identify_cdio(m_cdio, CDDA_MESSAGE_FORGETIT, nullptr);
    if (!drive)
        return nullptr;
    if (cdio_cddap_open(drive) != 0) {
        cdio_cddap_close_no_free_cdio(drive);
        return nullptr;
    }
    cdrom_paranoia_t* paranoia = cdio_paranoia_init(drive);
    if (!paranoia) {
        cdio_cddap_close_no_free_cdio(drive);
        return nullptr;
    }
    cdio_paranoia_modeset(paranoia, PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
    return std::make_unique<ParanoiaReader>(drive, paranoia);
}

} // namespace plevo
