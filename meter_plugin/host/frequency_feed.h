#pragma once

#include "meter_plugin/host/host_options.h"
#include "meter_plugin/host/sound_analysis.h"
#include "meter_plugin/win32/vis_interface.h"

#include <cstdint>
#include <memory>
#include <string>

// The spectrum data a host puts into the module record before each Render:
// silence, a fixed sum, full loudness, or the spectra of the built-in demo sound
// or of a WAV file, moving on by one frame's worth of sound at each fill.
namespace dovrik::host {

class FrequencyFeed {
public:
    explicit FrequencyFeed(const Signal& signal);

    // Why the signal cannot be played (a WAV file that cannot be read), or empty.
    const std::string& problem() const { return problem_; }

    // Fills both channels' spectrum bytes for a frame `delayMs` long.
    void fill(VisModule& module, int delayMs);

private:
    Signal signal_;
    std::unique_ptr<SoundSource> sound_;
    std::string problem_;
    std::int64_t position_ = kWindowSamples;
    std::int64_t remainder_ = 0;
};

} // namespace dovrik::host
