// The module that Plevo loads when its CD player first opens: the drive through
// libcdio and the sound output through Qt Multimedia.
#include "region_editor/cdsound/cdiodrive.h"
#include "region_editor/cdsound/qtaudioout.h"
#include "region_editor/core/cdsound.h"

#include <QtGlobal>

extern "C" {

Q_DECL_EXPORT int plevo_cdsound_interface() { return plevo::kCdSoundInterface; }

Q_DECL_EXPORT plevo::CdDrive* plevo_cdsound_make_drive()
{
    return new plevo::CdioDrive(plevo::CdioDrive::Source::Drive, std::string());
}

Q_DECL_EXPORT plevo::CdAudioOut* plevo_cdsound_make_audio() { return new plevo::QtAudioOut(); }

} // extern "C"
