#include "skin_ui/elements/PlayerState.h"

#include "audio/Sound.h"
#include "playlist/PlayList.h"

namespace PlayerState {

namespace {

bool held = false;
bool pausedBeforeHold = false;

}  // namespace

bool playing() {
    const Sound& sound = Sound::instance();
    return sound.isPlaying() && (!sound.isPaused() || (held && !pausedBeforeHold));
}
bool muted() {
    return Sound::instance().isMuted();
}
bool shuffle() {
    return PlayList::instance().shuffle();
}
bool repeat() {
    return PlayList::instance().repeat();
}

void holdPlayback() {
    pausedBeforeHold = Sound::instance().isPaused();
    held = true;
    Sound::instance().pauseAll(true);
}

void releasePlayback() {
    held = false;
    Sound::instance().pauseAll(pausedBeforeHold);
}

}  // namespace PlayerState
