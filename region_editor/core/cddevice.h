#pragma once

#include "region_editor/core/cdplayer.h"

#include <QObject>

#include <functional>
#include <memory>

class QThread;

namespace plevo {

// The CD player as a window sees it: the window posts a command and goes on; the
// answer comes back later as answered(), never from inside request().
class CdDevice : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // `track` is the track number for Seek.
    virtual void request(plevo::CdCommand command, int track = 0) = 0;

signals:
    void answered(plevo::CdCommand command, plevo::CdStatus status);
};

class CdWorker;

// A CdPlayer on a thread of its own, so that no drive call (a drive spinning up,
// a scratched sector read again and again) ever holds up a window. The drive and
// the sound output are made on that thread, where they are used.
class ThreadedCdDevice final : public CdDevice
{
    Q_OBJECT
public:
    using DriveMaker = std::function<std::unique_ptr<CdDrive>()>;
    using AudioMaker = std::function<std::unique_ptr<CdAudioOut>()>;

    ThreadedCdDevice(DriveMaker makeDrive, AudioMaker makeAudio, QObject* parent = nullptr);
    // Stops the playback and closes the drive, on the worker and without waiting
    // for it: a drive call in progress finishes on its own, and then the thread
    // ends. Only the program's end waits for it, a few seconds at most.
    ~ThreadedCdDevice() override;

    void request(plevo::CdCommand command, int track = 0) override;

private:
    QThread* m_thread;
    CdWorker* m_worker;
};

} // namespace plevo
