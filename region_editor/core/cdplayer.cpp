#include "region_editor/core/cdplayer.h"

#include "region_editor/core/cdaudiostream.h"

#include <algorithm>
#include <array>

namespace plevo {

std::string_view cdProblemText(CdProblem problem)
{
    switch (problem) {
    case CdProblem::None: break;
    case CdProblem::NoDrive: return "No drive";
    case CdProblem::NoDisc: return "No disc";
    case CdProblem::DataDisc: return "Data disc";
    case CdProblem::NoSound: return "No sound out";
    case CdProblem::DriveError: return "Drive error";
    case CdProblem::NotInstalled: return "Not installed";
    }
    return {};
}

CdPlayer::CdPlayer(CdDrive& drive, CdAudioOut& audio)
    : m_drive(drive)
    , m_audio(audio)
{
}

CdPlayer::~CdPlayer()
{
    stopPlayback();
}

CdStatus CdPlayer::perform(CdCommand command, int track)
{
    m_problem = CdProblem::None;
    followPlayback();
    switch (command) {
    case CdCommand::Open:
        if (m_mode == CdMode::Closed)
            open();
        break;
    case CdCommand::Play:
        play();
        break;
    case CdCommand::Pause:
        pause();
        break;
    case CdCommand::Stop:
        stopPlayback();
        break;
    case CdCommand::Next:
        moveTo(m_track + 1);
        break;
    case CdCommand::Prev:
        moveTo(m_track - 1);
        break;
    case CdCommand::Seek:
        if (m_mode != CdMode::Closed) {
            stopPlayback();
            const auto wanted = std::clamp(track, m_tracks.front().number, m_tracks.back().number);
            m_track = wanted;
        }
        break;
    case CdCommand::Eject:
        closeDrive(true);
        break;
    case CdCommand::Close:
        closeDrive(false);
        break;
    case CdCommand::Status:
        break;
    }
    return status();
}

void CdPlayer::open()
{
    m_tracks.clear();
    const CdProblem problem = m_drive.open(m_tracks);
    if (problem == CdProblem::None && m_tracks.empty())
        m_problem = CdProblem::NoDisc;
    else
        m_problem = problem;
    if (m_problem == CdProblem::None
        && std::none_of(m_tracks.begin(), m_tracks.end(), [](const CdTrack& t) { return t.audio; }))
        m_problem = CdProblem::DataDisc;
    if (m_problem != CdProblem::None) {
        m_tracks.clear();
        m_drive.close();
        return;
    }
    m_mode = CdMode::Stopped;
    m_track = m_tracks.front().number;
}

void CdPlayer::play()
{
    if (m_mode == CdMode::Paused) {
        pause();
        return;
    }
    if (m_mode != CdMode::Stopped)
        return;

    // From the current track, or the first audio track after it, to the end of
    // the audio tracks that follow without a data track between.
    auto first = std::find_if(m_tracks.begin(), m_tracks.end(),
                              [this](const CdTrack& t) { return t.number >= m_track && t.audio; });
    if (first == m_tracks.end()) {
        m_problem = CdProblem::DataDisc;
        return;
    }
    auto last = first;
    while (last + 1 != m_tracks.end() && (last + 1)->audio)
        ++last;
    m_track = first->number;

    if (playDigitally(*first, *last)) {
        m_analog = false;
        m_mode = CdMode::Playing;
    } else if (m_problem == CdProblem::None && m_drive.playAnalog(first->firstSector, last->lastSector)) {
        m_analog = true;
        m_mode = CdMode::Playing;
    } else if (m_problem == CdProblem::None) {
        m_problem = CdProblem::DriveError;
    }
}

// False, with no problem noted, where the drive cannot read the run's audio;
// false with NoSound where it can but the computer has no sound output.
bool CdPlayer::playDigitally(const CdTrack& first, const CdTrack& last)
{
    m_reader = m_drive.sectorReader();
    std::array<char, kCdSectorBytes> probe {};
    if (!m_reader || !m_reader->read(first.firstSector, probe.data())) {
        m_reader.reset();
        return false;
    }
    m_stream = std::make_unique<CdAudioStream>(*m_reader, first.firstSector, last.lastSector);
    // Unbuffered, so that the stream's position is what the sound output has taken.
    m_stream->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    if (!m_audio.start(*m_stream)) {
        m_stream.reset();
        m_reader.reset();
        m_problem = CdProblem::NoSound;
        return false;
    }
    return true;
}

void CdPlayer::pause()
{
    if (m_mode == CdMode::Playing) {
        if (m_analog)
            m_drive.pauseAnalog();
        else
            m_audio.pause();
        m_mode = CdMode::Paused;
    } else if (m_mode == CdMode::Paused) {
        if (m_analog)
            m_drive.resumeAnalog();
        else
            m_audio.resume();
        m_mode = CdMode::Playing;
    }
}

void CdPlayer::stopPlayback()
{
    if (m_mode != CdMode::Playing && m_mode != CdMode::Paused)
        return;
    if (m_analog) {
        m_drive.stopAnalog();
    } else {
        m_audio.stop();
        m_stream.reset();
        m_reader.reset();
    }
    m_mode = CdMode::Stopped;
}

void CdPlayer::moveTo(int track)
{
    if (m_mode == CdMode::Closed || !trackNumbered(track))
        return;
    const bool wasPlaying = m_mode == CdMode::Playing;
    stopPlayback();
    m_track = track;
    if (wasPlaying)
        play();
}

void CdPlayer::closeDrive(bool eject)
{
    if (m_mode == CdMode::Closed)
        return;
    stopPlayback();
    if (eject)
        m_drive.eject();
    else
        m_drive.close();
    m_tracks.clear();
    m_track = 0;
    m_mode = CdMode::Closed;
}

// While the player plays, the current track is wherever the sound has got to,
// and a run that came to its end leaves the player stopped.
void CdPlayer::followPlayback()
{
    if (m_mode != CdMode::Playing && m_mode != CdMode::Paused)
        return;
    std::optional<std::int32_t> position;
    if (m_analog) {
        position = m_drive.analogPosition();
    } else if (m_audio.active()) {
        position = m_stream->position();
    }
    if (!position) {
        stopPlayback();
        return;
    }
    for (const CdTrack& t : m_tracks)
        if (*position >= t.firstSector && *position <= t.lastSector)
            m_track = t.number;
}

const CdTrack* CdPlayer::trackNumbered(int number) const
{
    for (const CdTrack& t : m_tracks)
        if (t.number == number)
            return &t;
    return nullptr;
}

CdStatus CdPlayer::status() const
{
    return {m_mode, static_cast<int>(m_tracks.size()), m_track, m_problem};
}

} // namespace plevo
