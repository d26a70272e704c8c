#include "region_editor/core/cdaudiostream.h"

#include <cstring>

namespace plevo {

CdAudioStream::CdAudioStream(CdSectorReader& reader, std::int32_t firstSector, std::int32_t lastSector)
    : m_reader(reader)
    , m_first(firstSector)
    , m_next(firstSector)
    , m_last(lastSector)
{
}

bool CdAudioStream::atEnd() const
{
    return m_next > m_last && m_used == kCdSectorBytes && QIODevice::bytesAvailable() == 0;
}

qint64 CdAudioStream::bytesAvailable() const
{
    const qint64 unread = m_next > m_last ? 0 : qint64(m_last - m_next + 1) * kCdSectorBytes;
    return unread + (kCdSectorBytes - m_used) + QIODevice::bytesAvailable();
}

qint64 CdAudioStream::readData(char* data, qint64 maxSize)
{
    qint64 given = 0;
    while (given < maxSize) {
        if (m_used == kCdSectorBytes) {
            if (m_next > m_last)
                break;
            if (!m_reader.read(m_next, m_sector.data()))
                m_sector.fill(0);
            ++m_next;
            m_used = 0;
        }
        const qint64 part = std::min<qint64>(maxSize - given, kCdSectorBytes - m_used);
        std::memcpy(data + given, m_sector.data() + m_used, static_cast<size_t>(part));
        m_used += static_cast<int>(part);
        given += part;
    }
    return given == 0 && atEnd() ? -1 : given;
}

} // namespace plevo
