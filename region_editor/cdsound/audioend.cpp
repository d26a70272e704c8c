#include "region_editor/cdsound/audioend.h"

#include <algorithm>

namespace plevo {

void endAudioBeforeData(std::vector<CdTrack>& tracks, const std::vector<std::optional<std::int32_t>>& pregapStarts,
                        std::optional<std::int32_t> lastSessionStart)
{
    for (size_t i = 0; i + 1 < tracks.size(); ++i) {
        CdTrack& audio = tracks[i];
        const CdTrack& data = tracks[i + 1];
        if (!audio.audio || data.audio)
            continue;
        std::int32_t soundEnd = data.firstSector - kDataPregapSectors;
        if (lastSessionStart && *lastSessionStart > audio.firstSector && *lastSessionStart <= data.firstSector)
            soundEnd = *lastSessionStart - kSessionGapSectors;
        else if (i + 1 < pregapStarts.size() && pregapStarts[i + 1])
            soundEnd = *pregapStarts[i + 1];
        audio.lastSector = std::clamp(soundEnd - 1, audio.firstSector, audio.lastSector);
    }
}

} // namespace plevo
