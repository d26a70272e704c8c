#pragma once

#include "region_editor/core/cdplayer.h"

#include <QString>
#include <QStringList>

#include <memory>

// The CD player's drive and sound output come from a module of their own, loaded
// when the player first opens: Qt Multimedia and libcdio then cost nothing at
// start to the many who never play a disc.
namespace plevo {

// Raised whenever what the module exports changes, so that a stale module is
// refused instead of called wrongly.
inline constexpr int kCdSoundInterface = 1;
inline constexpr char kCdSoundModuleName[] = "plevo-cdsound";

struct CdSound
{
    CdDrive* (*makeDrive)() = nullptr;
    CdAudioOut* (*makeAudio)() = nullptr;
    QString problem; // why the module could not be loaded

    // The system's drive and the desktop's sound output; without the module, a
    // drive that answers every opening with NotInstalled.
    std::unique_ptr<CdDrive> drive() const;
    std::unique_ptr<CdAudioOut> audio() const;
};

// Loads the module from the first of `directories` that holds one that loads and
// speaks this program's interface. A module stays loaded once it is.
CdSound loadCdSound(const QStringList& directories);

} // namespace plevo
