#pragma once

// The player and playlist switches the elements read (the picture of a two-state button) and the
// hold on playback while a slider's length changes.
namespace PlayerState {

// Playing as the play/pause button shows it: a song is loaded and not paused by the user (the
// hold of a length change is no pause of the user's; an ended list still counts as playing).
bool playing();
bool muted();
bool shuffle();
bool repeat();

// Holds all playback while a slider's length changes; releasing it resumes playback unless the
// user had paused it before.
void holdPlayback();
void releasePlayback();

}  // namespace PlayerState
