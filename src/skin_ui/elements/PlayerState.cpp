#include "skin_ui/elements/PlayerState.h"

#include "audio/Sound.h"
#include "playlist/PlayList.h"

namespace PlayerState {

bool playing() {
    return Sound::instance().isPlaying();
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

bool paused() {
    return Sound::instance().isPaused();
}
void pauseAll(bool pause) {
    Sound::instance().pauseAll(pause);
}

}  // namespace PlayerState
