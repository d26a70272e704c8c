#include "meter_plugin/host/sound_analysis.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace dovrik::host {
namespace {

constexpr int kBins = kWindowSamples / 2;
constexpr int kTailStart = 2 * kBins;

// In-place iterative radix-2 FFT; data.size() is a power of two.
void fft(std::vector<std::complex<double>>& data)
{
    const std::size_t n = data.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(data[i], data[j]);
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const double angle = -2 * std::numbers::pi / static_cast<double>(length);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t start = 0; start < n; start += length) {
            std::complex<double> twiddle(1);
            for (std::size_t k = 0; k < length / 2; ++k) {
                const auto even = data[start + k];
                const auto odd = data[start + k + length / 2] * twiddle;
                data[start + k] = even + odd;
                data[start + k + length / 2] = even - odd;
                twiddle *= step;
            }
        }
    }
}

std::uint32_t readLittleEndian(std::span<const unsigned char> bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

double tone(double seconds, double frequency)
{
    return std::sin(2 * std::numbers::pi * frequency * seconds);
}

// 1 at each beat, dying away over about a tenth of a second.
double beatEnvelope(double seconds, double beatsPerSecond, double offset)
{
    const double sinceBeat = std::fmod(seconds * beatsPerSecond + offset, 1.0) / beatsPerSecond;
    return std::exp(-sinceBeat / 0.11);
}

} // namespace

ChannelSpectrumBytes spectrumOf(const ChannelSamples& samples)
{
    std::vector<std::complex<double>> data(kWindowSamples);
    for (int n = 0; n < kWindowSamples; ++n) {
        const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * n / kWindowSamples);
        data[static_cast<std::size_t>(n)] = samples[static_cast<std::size_t>(n)] * hann;
    }
    fft(data);

    ChannelSpectrumBytes bytes{};
    // 2/N makes a sine's peak its amplitude before the window; the Hann window
    // halves that again, which the factor 2 restores.
    constexpr double amplitudeScale = 4.0 / kWindowSamples;
    for (int bin = 0; bin < kBins; ++bin) {
        const double magnitude = std::abs(data[static_cast<std::size_t>(bin)]) * amplitudeScale / 16;
        const auto value = static_cast<unsigned char>(std::clamp(magnitude, 0.0, 255.0));
        bytes[static_cast<std::size_t>(2 * bin)] = value;
        bytes[static_cast<std::size_t>(2 * bin + 1)] = value;
    }
    const int last = bytes[kTailStart - 1];
    constexpr int tailLength = kSpectrumBytes - kTailStart;
    for (int i = 0; i < tailLength; ++i)
        bytes[static_cast<std::size_t>(kTailStart + i)] = static_cast<unsigned char>(last * (tailLength - 1 - i) / tailLength);
    return bytes;
}

ChannelSpectrumBytes spectrumWithSum(int sum)
{
    constexpr int summed = 288;
    sum = std::clamp(sum, 0, summed * 255);
    ChannelSpectrumBytes bytes{};
    for (int i = 0; i < summed; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<unsigned char>(sum / summed + (i < sum % summed ? 1 : 0));
    return bytes;
}

std::int16_t DemoSound::sampleAt(int channel, std::int64_t index) const
{
    const double t = static_cast<double>(index) / sampleRate();
    const double swell = 0.55 + 0.45 * std::sin(2 * std::numbers::pi * t / (channel == 0 ? 7.0 : 5.0));
    const double kick = beatEnvelope(t, 2.0, channel == 0 ? 0.0 : 0.5) * tone(t, 55) * 0.9;
    const double root = channel == 0 ? 220.0 : 165.0;
    const double chord = (tone(t, root) + tone(t, root * 1.25) + tone(t, root * 1.5)) / 3;
    const double hat = beatEnvelope(t, 4.0, channel == 0 ? 0.5 : 0.25) * tone(t, 5300 + 700 * channel) * 0.3;
    const double mix = swell * (kick + 0.35 * chord + hat);
    return static_cast<std::int16_t>(std::clamp(mix * 26000, -32768.0, 32767.0));
}

std::string WavSound::load(std::span<const unsigned char> fileBytes)
{
    if (fileBytes.size() < 12 || readLittleEndian(fileBytes, 0, 4) != 0x46464952 /* RIFF */
        || readLittleEndian(fileBytes, 8, 4) != 0x45564157 /* WAVE */)
        return "not a RIFF WAVE file";
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= fileBytes.size()) {
        const std::uint32_t id = readLittleEndian(fileBytes, at, 4);
        const std::size_t size = readLittleEndian(fileBytes, at + 4, 4);
        const std::size_t body = at + 8;
        const std::size_t available = std::min(size, fileBytes.size() - body);
        if (id == 0x20746d66 /* "fmt " */) {
            if (available < 16)
                return "the format chunk is cut short";
            const auto format = readLittleEndian(fileBytes, body, 2);
            channels_ = static_cast<int>(readLittleEndian(fileBytes, body + 2, 2));
            sampleRate_ = static_cast<int>(readLittleEndian(fileBytes, body + 4, 4));
            const auto bits = readLittleEndian(fileBytes, body + 14, 2);
            if (format != 1 || bits != 16 || channels_ < 1 || channels_ > 2 || sampleRate_ <= 0)
                return "only 16-bit PCM sound in one or two channels can be played";
            haveFormat = true;
        } else if (id == 0x61746164 /* "data" */) {
            if (!haveFormat)
                return "the sound data comes before its format";
            const std::size_t frames = available / (2 * static_cast<std::size_t>(channels_));
            if (frames == 0)
                return "the file holds no sound";
            samples_.resize(frames * static_cast<std::size_t>(channels_));
            for (std::size_t i = 0; i < samples_.size(); ++i)
                samples_[i] = static_cast<std::int16_t>(readLittleEndian(fileBytes, body + 2 * i, 2));
            return {};
        }
        at = body + size + (size & 1);
    }
    return "the file holds no sound data";
}

std::int16_t WavSound::sampleAt(int channel, std::int64_t index) const
{
    const auto frames = static_cast<std::int64_t>(samples_.size()) / channels_;
    const std::int64_t frame = ((index % frames) + frames) % frames;
    return samples_[static_cast<std::size_t>(frame * channels_ + std::min(channel, channels_ - 1))];
}

ChannelSamples windowBefore(const SoundSource& sound, int channel, std::int64_t position)
{
    ChannelSamples samples{};
    for (int i = 0; i < kWindowSamples; ++i)
        samples[static_cast<std::size_t>(i)] = sound.sampleAt(channel, position - kWindowSamples + i);
    return samples;
}

} // namespace dovrik::host
