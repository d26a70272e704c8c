#pragma once

#include "region_editor/core/cdplayer.h"

#include <QIODevice>

#include <algorithm>
#include <array>

namespace plevo {

// The sound of a run of audio sectors as one stream of PCM bytes, read sector by
// sector as the sound output asks for more. A sector that cannot be read plays
// as silence, the way a player skips a scratch.
class CdAudioStream : public QIODevice
{
public:
    CdAudioStream(CdSectorReader& reader, std::int32_t firstSector, std::int32_t lastSector);

    bool isSequential() const override { return true; }
    bool atEnd() const override;
    qint64 bytesAvailable() const override;
    // The sector whose sound was handed out last.
    std::int32_t position() const { return std::max(m_next - 1, m_first); }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    CdSectorReader& m_reader;
    std::int32_t m_first;
    std::int32_t m_next;
    std::int32_t m_last;
    std::array<char, kCdSectorBytes> m_sector {};
    int m_used = kCdSectorBytes; // of m_sector, already handed out
};

} // namespace plevo
