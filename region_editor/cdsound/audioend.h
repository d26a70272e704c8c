#pragma once

#include "region_editor/core/cdplayer.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace plevo {

// Sectors between the table of contents' start of a data track and the end of
// the audio before it that hold no sound: the data track's own pregap, 150
// sectors where the disc does not say, and, where the data track opens a later
// session, the first session's lead-out and the next one's lead-in.
inline constexpr std::int32_t kDataPregapSectors = 150;
inline constexpr std::int32_t kSessionGapSectors = 11400;

// Ends each audio track that a data track follows where its sound ends, so that
// reading it never runs on into sectors that hold none. `pregapStarts` gives,
// for each track where the disc says, the first sector of its pregap;
// `lastSessionStart` is the first sector of the disc's last session where it
// has more than one.
void endAudioBeforeData(std::vector<CdTrack>& tracks, const std::vector<std::optional<std::int32_t>>& pregapStarts,
                        std::optional<std::int32_t> lastSessionStart);

} // namespace plevo
