#pragma once

class Info;
class Slider;

// The player and playlist switches that the elements read: the starting picture of a two-state
// button, and the pause that holds playback while a slider's length changes.
namespace PlayerState {

bool playing();
bool muted();
bool shuffle();
bool repeat();

bool paused();
// Pauses (true) or resumes (false) all playback.
void pauseAll(bool pause);

// The progress sliders that the sound wrapper moves and gives the song length.
void addProgressDisplay(Slider* slider);
void removeProgressDisplay(Slider* slider);
// The info elements that show the now-playing text.
void addInfoDisplay(Info* info);
void removeInfoDisplay(Info* info);

}  // namespace PlayerState
