#pragma once

#include "region_editor/core/cdplayer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace plevo::testing {

// The byte at `offset` of audio sector `sector` of a generated image.
inline char imageByte(std::int32_t sector, int offset)
{
    return static_cast<char>((sector * 7 + offset) & 0xff);
}

// Writes disc.bin and disc.cue into `directory`: one audio track of the given
// length in sectors for each entry, back to back, every byte from imageByte().
// Returns the cue sheet's path.
inline std::filesystem::path writeAudioImage(const std::filesystem::path& directory,
                                             const std::vector<int>& trackSectors)
{
    std::ofstream bin(directory / "disc.bin", std::ios::binary);
    std::ofstream cue(directory / "disc.cue", std::ios::binary);
    cue << "FILE \"disc.bin\" BINARY\r\n";
    std::int32_t sector = 0;
    std::string bytes(kCdSectorBytes, '\0');
    for (size_t track = 0; track < trackSectors.size(); ++track) {
        char line[64];
        std::snprintf(line, sizeof line, "  TRACK %02zu AUDIO\r\n    INDEX 01 %02d:%02d:%02d\r\n", track + 1,
                      sector / 75 / 60, sector / 75 % 60, sector % 75);
        cue << line;
        for (int i = 0; i < trackSectors[track]; ++i, ++sector) {
            for (int offset = 0; offset < kCdSectorBytes; ++offset)
                bytes[static_cast<size_t>(offset)] = imageByte(sector, offset);
            bin.write(bytes.data(), kCdSectorBytes);
        }
    }
    return directory / "disc.cue";
}

// Writes disc.bin and disc.cue into `directory`: an audio track of
// `audioSectors`, then `gapSectors` of the data track's pregap (its index 0),
// then the data track's `dataSectors`. Returns the cue sheet's path.
inline std::filesystem::path writeImageWithDataTrack(const std::filesystem::path& directory, int audioSectors,
                                                     int gapSectors, int dataSectors)
{
    writeAudioImage(directory, {audioSectors + gapSectors + dataSectors});
    const auto msf = [](int sector) {
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", sector / 75 / 60, sector / 75 % 60, sector % 75);
        return std::string(text);
    };
    std::ofstream(directory / "disc.cue", std::ios::binary)
        << "FILE \"disc.bin\" BINARY\r\n  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00\r\n"
        << "  TRACK 02 MODE1/2352\r\n    INDEX 00 " << msf(audioSectors) << "\r\n    INDEX 01 "
        << msf(audioSectors + gapSectors) << "\r\n";
    return directory / "disc.cue";
}

} // namespace plevo::testing
