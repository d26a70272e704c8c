#include "region_editor/core/cddevice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <chrono>

namespace plevo {

class CdWorker : public QObject
{
    Q_OBJECT
public:
    CdWorker(ThreadedCdDevice::DriveMaker makeDrive, ThreadedCdDevice::AudioMaker makeAudio)
        : m_makeDrive(std::move(makeDrive))
        , m_makeAudio(std::move(makeAudio))
    {
    }

    void perform(CdCommand command, int track)
    {
        if (!m_player) {
            m_drive = m_makeDrive();
            m_audio = m_makeAudio();
            m_player = std::make_unique<CdPlayer>(*m_drive, *m_audio);
        }
        emit answered(command, m_player->perform(command, track));
    }

    void shutDown()
    {
        if (m_player)
            m_player->perform(CdCommand::Close);
        m_player.reset();
        m_audio.reset();
        m_drive.reset();
        thread()->quit();
    }

signals:
    void answered(plevo::CdCommand command, plevo::CdStatus status);

private:
    ThreadedCdDevice::DriveMaker m_makeDrive;
    ThreadedCdDevice::AudioMaker m_makeAudio;
    std::unique_ptr<CdDrive> m_drive;
    std::unique_ptr<CdAudioOut> m_audio;
    std::unique_ptr<CdPlayer> m_player;
};

namespace {

constexpr std::chrono::seconds kDriveWaitAtExit {3};

} // namespace

ThreadedCdDevice::ThreadedCdDevice(DriveMaker makeDrive, AudioMaker makeAudio, QObject* parent)
    : CdDevice(parent)
    , m_thread(new QThread)
    , m_worker(new CdWorker(std::move(makeDrive), std::move(makeAudio)))
{
    m_thread->setObjectName(QStringLiteral("CD player"));
    m_worker->moveToThread(m_thread);
    connect(m_worker, &CdWorker::answered, this, &CdDevice::answered);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    // Closing the player never waits for the drive, but the program's end does,
    // for a while, so that no drive call runs on as the program tears down.
    if (const QCoreApplication* application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, m_thread,
                [thread = m_thread] { thread->wait(QDeadlineTimer(kDriveWaitAtExit)); }, Qt::DirectConnection);
    m_thread->start();
}

ThreadedCdDevice::~ThreadedCdDevice()
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->shutDown(); }, Qt::QueuedConnection);
}

void ThreadedCdDevice::request(CdCommand command, int track)
{
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, command, track] { worker->perform(command, track); }, Qt::QueuedConnection);
}

} // namespace plevo

#include "cddevice.moc"
