#include "meter_plugin/host/frequency_feed.h"

#include "meter_plugin/host/wide_text.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace dovrik::host {

FrequencyFeed::FrequencyFeed(const Signal& signal) : signal_(signal)
{
    if (signal.kind == SignalKind::Demo) {
        sound_ = std::make_unique<DemoSound>();
    } else if (signal.kind == SignalKind::Wav) {
        auto wav = std::make_unique<WavSound>();
        std::ifstream file(wide(signal.wavPath).c_str(), std::ios::binary);
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
        problem_ = file ? wav->load(bytes) : "cannot read " + signal.wavPath;
        sound_ = std::move(wav);
    }
}

void FrequencyFeed::fill(VisModule& module, int delayMs)
{
    for (int channel = 0; channel < 2; ++channel) {
        ChannelSpectrumBytes bytes{};
        switch (signal_.kind) {
        case SignalKind::Silence:
            break;
        case SignalKind::Sum:
            bytes = spectrumWithSum(signal_.sum);
            break;
        case SignalKind::Loud:
            bytes.fill(255);
            break;
        case SignalKind::Demo:
        case SignalKind::Wav:
            bytes = spectrumOf(windowBefore(*sound_, channel, position_));
            break;
        }
        std::memcpy(module.spectrumData[channel], bytes.data(), bytes.size());
    }
    if (sound_) {
        // Whole samples per frame, carrying the fraction over.
        const std::int64_t total = std::int64_t{sound_->sampleRate()} * delayMs + remainder_;
        position_ += total / 1000;
        remainder_ = total % 1000;
    }
}

} // namespace dovrik::host
