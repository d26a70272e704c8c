#include "region_editor/core/cdsound.h"

#include <QDir>
#include <QLibrary>

namespace plevo {
namespace {

class NotInstalledDrive final : public CdDrive
{
public:
    CdProblem open(std::vector<CdTrack>&) override { return CdProblem::NotInstalled; }
    void close() override {}
    void eject() override {}
    bool playAnalog(std::int32_t, std::int32_t) override { return false; }
    void pauseAnalog() override {}
    void resumeAnalog() override {}
    void stopAnalog() override {}
    std::optional<std::int32_t> analogPosition() override { return std::nullopt; }
    std::unique_ptr<CdSectorReader> sectorReader() override { return nullptr; }
};

class NoAudioOut final : public CdAudioOut
{
public:
    bool start(QIODevice&) override { return false; }
    void pause() override {}
    void resume() override {}
    void stop() override {}
    bool active() override { return false; }
};

} // namespace

std::unique_ptr<CdDrive> CdSound::drive() const
{
    if (makeDrive)
        return std::unique_ptr<CdDrive>(makeDrive());
    return std::make_unique<NotInstalledDrive>();
}

std::unique_ptr<CdAudioOut> CdSound::audio() const
{
    if (makeAudio)
        return std::unique_ptr<CdAudioOut>(makeAudio());
    return std::make_unique<NoAudioOut>();
}

CdSound loadCdSound(const QStringList& directories)
{
    CdSound sound;
    for (const QString& directory : directories) {
        QLibrary module(QDir(directory).filePath(QLatin1String(kCdSoundModuleName)));
        if (!module.load()) {
            sound.problem = module.errorString();
            continue;
        }
        const auto interface = reinterpret_cast<int (*)()>(module.resolve("plevo_cdsound_interface"));
        const auto makeDrive = reinterpret_cast<CdDrive* (*)()>(module.resolve("plevo_cdsound_make_drive"));
        const auto makeAudio = reinterpret_cast<CdAudioOut* (*)()>(module.resolve("plevo_cdsound_make_audio"));
        if (!interface || interface() != kCdSoundInterface || !makeDrive || !makeAudio) {
            sound.problem = QStringLiteral("%1 is a module for another version of Plevo").arg(module.fileName());
            module.unload();
            continue;
        }
        // Never unloaded: the drives and sound outputs it made live on after this.
        sound = {makeDrive, makeAudio, QString()};
        return sound;
    }
    return sound;
}

} // namespace plevo
