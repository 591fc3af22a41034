#include "common/SoundModule.h"

// The one name the module file shows: what the player program looks up once it has loaded the
// file (LoadedSoundModule.cpp).
extern "C" __attribute__((visibility("default"))) SoundModule* veskplayer_sound_module() {
    return SoundModule::get();
}
