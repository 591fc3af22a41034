#pragma once

// The player and playlist switches the elements read (the starting picture of a two-state
// button) and the pause that holds playback while a slider's length changes.
namespace PlayerState {

bool playing();
bool muted();
bool shuffle();
bool repeat();

bool paused();
// Pauses (true) or resumes (false) all playback.
void pauseAll(bool pause);

}  // namespace PlayerState
