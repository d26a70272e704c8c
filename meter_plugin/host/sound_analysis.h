#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What the host stand-in feeds the plug-in: per channel 576 spectrum bytes made
// the way the player makes them, from sound that is either a built-in demo signal
// or a PCM WAV file.
namespace dovrik::host {

inline constexpr int kWindowSamples = 512;
inline constexpr int kSpectrumBytes = 576;

using ChannelSamples = std::array<std::int16_t, kWindowSamples>;
using ChannelSpectrumBytes = std::array<unsigned char, kSpectrumBytes>;

// A 512-point Hann-windowed FFT of the samples. Each bin's magnitude, scaled so
// that a full-scale sine reads its amplitude, is divided by 16 and clamped to
// 0..255; bins 0 to 255 each fill two bytes (0-1, 2-3, ... 510-511) and bytes 512
// to 575 fall off linearly from byte 511 toward 0.
ChannelSpectrumBytes spectrumOf(const ChannelSamples& samples);

// Bytes whose first 288 (the ones the meter adds up) sum to `sum`, spread
// evenly; the rest are 0. Sums beyond 288 x 255 are capped there.
ChannelSpectrumBytes spectrumWithSum(int sum);

// Sound to analyse, two channels at `sampleRate`, looping forever.
class SoundSource {
public:
    virtual ~SoundSource() = default;
    virtual int sampleRate() const = 0;
    virtual std::int16_t sampleAt(int channel, std::int64_t index) const = 0;
};

// A few seconds of music-like sound: a bass line and chords under beats that
// land at different times on the two channels, swelling slowly, so both needles
// move all over the scale.
class DemoSound final : public SoundSource {
public:
    int sampleRate() const override { return 44100; }
    std::int16_t sampleAt(int channel, std::int64_t index) const override;
};

// 16-bit PCM from a WAV file, mono or stereo (mono plays on both channels).
class WavSound final : public SoundSource {
public:
    // Reads a RIFF WAVE file's bytes. Returns an empty string on success, else
    // why the bytes are not 16-bit PCM sound this host can play.
    std::string load(std::span<const unsigned char> fileBytes);
    int sampleRate() const override { return sampleRate_; }
    std::int16_t sampleAt(int channel, std::int64_t index) const override;

private:
    int sampleRate_ = 0;
    int channels_ = 0;
    std::vector<std::int16_t> samples_; // interleaved
};

// The last 512 samples of `channel` before `position`.
ChannelSamples windowBefore(const SoundSource& sound, int channel, std::int64_t position);

} // namespace dovrik::host
