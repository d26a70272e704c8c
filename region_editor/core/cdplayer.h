#pragma once

#include <QMetaType>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QIODevice;

// An audio compact disc player: a drive, a sound output for audio read from the
// disc, and the player that carries out the commands of the CD player window.
namespace plevo {

// An audio sector holds 1/75 s of sound: 588 frames of 16-bit little-endian
// stereo at 44.1 kHz.
inline constexpr int kCdSectorBytes = 2352;

// One entry of a disc's table of contents, in logical sectors from the start of
// the disc's data area.
struct CdTrack
{
    int number = 0;
    std::int32_t firstSector = 0;
    std::int32_t lastSector = 0;
    bool audio = true;
};

enum class CdProblem { None, NoDrive, NoDisc, DataDisc, NoSound, DriveError, NotInstalled };

// The few words the track display has room for.
std::string_view cdProblemText(CdProblem problem);

class CdSectorReader
{
public:
    virtual ~CdSectorReader() = default;
    // Reads one audio sector into `into` (kCdSectorBytes); false when the drive
    // could not read it.
    virtual bool read(std::int32_t sector, char* into) = 0;
};

// A compact disc drive, spoken to directly. Any call may take as long as the
// drive takes (spinning up, seeking, rereading a scratched sector), so only the
// player's worker calls it, never a window.
class CdDrive
{
public:
    virtual ~CdDrive() = default;

    // Opens the drive and reads the disc's table of contents.
    virtual CdProblem open(std::vector<CdTrack>& tracks) = 0;
    virtual void close() = 0;
    // Ejects the disc; the drive is closed afterwards.
    virtual void eject() = 0;

    // The drive's own playback through its audio output. Returns false, playing
    // nothing, where the drive offers none.
    virtual bool playAnalog(std::int32_t firstSector, std::int32_t lastSector) = 0;
    virtual void pauseAnalog() = 0;
    virtual void resumeAnalog() = 0;
    virtual void stopAnalog() = 0;
    // The sector the drive is at while it plays or pauses by itself; nothing once
    // it has stopped or run out.
    virtual std::optional<std::int32_t> analogPosition() = 0;

    // A reader of the open disc's audio, for sound played through the computer;
    // null when the drive cannot read audio.
    virtual std::unique_ptr<CdSectorReader> sectorReader() = 0;
};

// The computer's sound output, for audio read digitally from the disc.
class CdAudioOut
{
public:
    virtual ~CdAudioOut() = default;
    // Plays what `source` yields, 44.1 kHz 16-bit stereo, until it ends. Returns
    // false, starting nothing, where there is no sound output.
    virtual bool start(QIODevice& source) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual void stop() = 0;
    // Playing or paused, as against stopped or run out.
    virtual bool active() = 0;
};

// Status does nothing but tell where the player has got to by itself.
enum class CdCommand { Open, Play, Pause, Stop, Next, Prev, Seek, Eject, Close, Status };
enum class CdMode { Closed, Stopped, Playing, Paused };

// What the player is after a command, and why the command failed if it did.
struct CdStatus
{
    CdMode mode = CdMode::Closed;
    int tracks = 0; // on the disc, audio or not
    int track = 0;  // the current track's number; 0 while closed
    CdProblem problem = CdProblem::None;

    friend bool operator==(const CdStatus&, const CdStatus&) = default;
};

class CdAudioStream;

// Carries out the player's commands on one drive. Play reads the audio
// digitally into the computer's sound output, and uses the drive's own playback
// only where the audio cannot be read: most drives still claim an analog output
// that today's machines no longer connect to anything. Play runs from the current track to the end of the
// audio tracks that follow it. Next and Prev move one track, staying at the
// first and last, and keep playing if the player was playing. Seek stops and
// makes the given track current; Stop stops where the player is. Pause pauses,
// or resumes a paused player. A command that makes no sense in the player's mode
// (Play while closed, Next while closed) changes nothing.
class CdPlayer
{
public:
    CdPlayer(CdDrive& drive, CdAudioOut& audio);
    ~CdPlayer();
    CdPlayer(const CdPlayer&) = delete;
    CdPlayer& operator=(const CdPlayer&) = delete;

    // `track` is the track number for Seek; the other commands ignore it.
    CdStatus perform(CdCommand command, int track = 0);

private:
    void open();
    void play();
    bool playDigitally(const CdTrack& first, const CdTrack& last);
    void pause();
    void stopPlayback();
    void moveTo(int track);
    void closeDrive(bool eject);
    void followPlayback();
    const CdTrack* trackNumbered(int number) const;
    CdStatus status() const;

    CdDrive& m_drive;
    CdAudioOut& m_audio;
    std::vector<CdTrack> m_tracks;
    CdMode m_mode = CdMode::Closed;
    int m_track = 0;
    CdProblem m_problem = CdProblem::None;
    bool m_analog = false;
    std::unique_ptr<CdSectorReader> m_reader;
    std::unique_ptr<CdAudioStream> m_stream;
};

} // namespace plevo

Q_DECLARE_METATYPE(plevo::CdCommand)
Q_DECLARE_METATYPE(plevo::CdStatus)
