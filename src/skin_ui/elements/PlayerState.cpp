#include "skin_ui/elements/PlayerState.h"

#include "playlist/PlayList.h"

namespace PlayerState {

// The sound wrapper owns these two; until it reports them, a new button starts in the
// stopped, unmuted look.
bool playing() {
    return false;
}
bool muted() {
    return false;
}
bool paused() {
    return false;
}
void pauseAll(bool) {}
void addProgressDisplay(Slider*) {}
void removeProgressDisplay(Slider*) {}
void addInfoDisplay(Info*) {}
void removeInfoDisplay(Info*) {}

bool shuffle() {
    return PlayList::instance().shuffle();
}
bool repeat() {
    return PlayList::instance().repeat();
}

}  // namespace PlayerState
