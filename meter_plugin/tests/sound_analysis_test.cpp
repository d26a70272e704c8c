#include "meter_plugin/host/sound_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <numeric>
#include <string>

namespace dovrik::host {
namespace {

ChannelSamples sineAtBin(int bin, double amplitude)
{
    ChannelSamples samples{};
    for (int n = 0; n < kWindowSamples; ++n)
        samples[static_cast<std::size_t>(n)] =
            static_cast<std::int16_t>(std::lround(amplitude * std::sin(2 * std::numbers::pi * bin * n / kWindowSamples)));
    return samples;
}

TEST(Spectrum, SilenceGivesNothing)
{
    const ChannelSpectrumBytes bytes = spectrumOf(ChannelSamples{});
    EXPECT_EQ(std::accumulate(bytes.begin(), bytes.end(), 0), 0);
}

TEST(Spectrum, SineFillsItsBinAndTheNeighboursTwiceEach)
{
    // Amplitude 2048 reads 2048 / 16 = 128; the Hann window gives each neighbour half.
    const ChannelSpectrumBytes bytes = spectrumOf(sineAtBin(20, 2048));
    EXPECT_EQ(bytes[40], 128);
    EXPECT_EQ(bytes[41], 128);
    EXPECT_EQ(bytes[38], 64);
    EXPECT_EQ(bytes[39], 64);
    EXPECT_EQ(bytes[42], 64);
    EXPECT_EQ(bytes[43], 64);
    EXPECT_EQ(bytes[36], 0);
    EXPECT_EQ(bytes[44], 0);
    EXPECT_EQ(std::accumulate(bytes.begin(), bytes.end(), 0), 2 * (128 + 64 + 64));
}

TEST(Spectrum, LoudSineIsClampedAndTheTailFallsFromTheLastBin)
{
    const ChannelSpectrumBytes loud = spectrumOf(sineAtBin(3, 30000));
    EXPECT_EQ(loud[6], 255);

    const ChannelSpectrumBytes top = spectrumOf(sineAtBin(255, 2048));
    EXPECT_EQ(top[510], 128);
    EXPECT_EQ(top[511], 128);
    EXPECT_EQ(top[512], 126);
    for (int i = 513; i < kSpectrumBytes; ++i)
        EXPECT_LE(top[static_cast<std::size_t>(i)], top[static_cast<std::size_t>(i - 1)]) << i;
    EXPECT_EQ(top[575], 0);
}

TEST(Spectrum, BytesWithAGivenSum)
{
    const ChannelSpectrumBytes bytes = spectrumWithSum(1536);
    EXPECT_EQ(std::accumulate(bytes.begin(), bytes.begin() + 288, 0), 1536);
    EXPECT_EQ(std::accumulate(bytes.begin() + 288, bytes.end(), 0), 0);
    EXPECT_EQ(bytes[0], 6);
    EXPECT_EQ(bytes[287], 5);
    const ChannelSpectrumBytes capped = spectrumWithSum(100000);
    EXPECT_EQ(std::accumulate(capped.begin(), capped.end(), 0), 288 * 255);
}

std::string wavFile(int format, int channels, int bits, const std::string& data)
{
    auto le = [](std::uint32_t value, int count) {
        std::string out;
        for (int i = 0; i < count; ++i)
            out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
        return out;
    };
    const std::string format16 = le(static_cast<std::uint32_t>(format), 2) + le(static_cast<std::uint32_t>(channels), 2)
        + le(8000, 4) + le(8000u * channels * bits / 8, 4) + le(static_cast<std::uint32_t>(channels * bits / 8), 2)
        + le(static_cast<std::uint32_t>(bits), 2);
    const std::string body = "WAVE" + std::string("fmt ") + le(16, 4) + format16 + "LIST" + le(3, 4) + std::string("abc\0", 4)
        + "data" + le(static_cast<std::uint32_t>(data.size()), 4) + data;
    return "RIFF" + le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

std::string load(WavSound& sound, const std::string& file)
{
    return sound.load({reinterpret_cast<const unsigned char*>(file.data()), file.size()});
}

TEST(WavSoundFile, StereoSamplesLoopAndMonoPlaysOnBothChannels)
{
    WavSound stereo;
    // Frames (1, -2) and (0x1234, 0x7FFF), little-endian, after an odd-sized chunk.
    ASSERT_EQ(load(stereo, wavFile(1, 2, 16, std::string("\x01\x00\xFE\xFF\x34\x12\xFF\x7F", 8))), "");
    EXPECT_EQ(stereo.sampleRate(), 8000);
    EXPECT_EQ(stereo.sampleAt(0, 0), 1);
    EXPECT_EQ(stereo.sampleAt(1, 0), -2);
    EXPECT_EQ(stereo.sampleAt(0, 1), 0x1234);
    EXPECT_EQ(stereo.sampleAt(1, 3), 0x7FFF);
    EXPECT_EQ(stereo.sampleAt(0, -1), 0x1234);
    const ChannelSamples window = windowBefore(stereo, 1, 2);
    EXPECT_EQ(window[511], 0x7FFF);
    EXPECT_EQ(window[510], -2);

    WavSound mono;
    ASSERT_EQ(load(mono, wavFile(1, 1, 16, std::string("\x05\x00", 2))), "");
    EXPECT_EQ(mono.sampleAt(1, 7), 5);
}

TEST(WavSoundFile, RefusesWhatItCannotPlay)
{
    WavSound sound;
    EXPECT_EQ(load(sound, "not a wave file"), "not a RIFF WAVE file");
    EXPECT_EQ(load(sound, wavFile(1, 2, 8, "ab")), "only 16-bit PCM sound in one or two channels can be played");
    EXPECT_EQ(load(sound, wavFile(3, 1, 16, "abcd")), "only 16-bit PCM sound in one or two channels can be played");
    EXPECT_EQ(load(sound, wavFile(1, 2, 16, "")), "the file holds no sound");
}

} // namespace
} // namespace dovrik::host
