#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "audio/ReplayGain.h"
#include "audio/SongOpener.h"
#include "playlist/PlayerEvents.h"
#include "playlist/SongInfo.h"

class AudioOutput;
class NowPlayingDisplay;
class PlayList;
class PlayingSound;
class ProgressDisplay;
class QTimer;
class SoundEngine;

// The player: plays the playlist's current song, pauses, stops, moves to the next or previous
// song, mutes, sets the master volume and seeks, and keeps the now-playing and progress
// displays up to date. Every operation runs on the window thread, the poll included (a timer
// every 500 ms moves the progress displays and starts the next song when one ends).
//
// Songs are opened by a SongOpener: the window thread fetches the song (the missing-file
// question stays there) and the opener finds its decoder elsewhere, so a command returns
// before the song sounds. Until then the player counts as playing without a sound; a song no
// decoder can play is passed over when its result comes, in the direction of travel, and when
// none can play the player stops then. Commands therefore answer as if the fetched song will
// play (inline opening, used by tests, answers exactly).
//
// Gapless: while a song plays, the song the playlist would go to next is opened ahead and queued
// in the engine, which starts it in the same block as the current song's last frame. The poll
// then moves the playlist on and shows the new song. Whatever the playlist says at the joint
// wins: when it no longer names the song opened ahead (the list or the modes changed), that
// song is stopped and the playlist's song played as before; the end of the list and the
// missing-file question come as without gapless playing.
//
// States: Stopped (not playing, no sound), Playing, Paused (playing and paused). When the list
// runs out (the last song ends, or next on it, with neither shuffle nor repeat on) the player
// stops one beyond the end, and play starts over from the first song (in shuffle, a fresh
// pick). Every change of state, song, volume and mute and every jump is announced through the
// playlist's events.
class Sound {
public:
    static constexpr int pollIntervalMs = 500;

    // Plays through the output, which is started on the first play; without a working output
    // the player says so once and goes on silently, and the operations that need sound answer
    // false. Starts the poll timer.
    Sound(PlayList& playList, std::unique_ptr<AudioOutput> output,
          SongOpener::Mode opening = SongOpener::Mode::Background);
    virtual ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // The process's player on the sound device, created on first call.
    static Sound& instance();
    // Replaces the process's player with one on the given output (tests use a null output).
    static Sound& createInstance(std::unique_ptr<AudioOutput> output);
    static void deleteInstance();

    // From Stopped: starts the current song, true if a song started. Otherwise toggles the
    // pause: true if playback now runs, false if now paused.
    bool playPause();
    // Stops, rewinds the playlist to its first song and the progress displays to the start.
    // Nothing happens while Stopped.
    void stop();
    // True when the player went from stopped or paused to playing.
    bool next();
    bool previous();
    // Play position 0.
    void restart();
    void seek(uint32_t positionMs);
    // True if now muted.
    bool toggleMute();
    // 0 to 100; the master volume becomes percent / 100 (also while muted).
    void setVolume(int32_t percent);
    // Which ReplayGain scales the songs (track unless set), the playing ones at once.
    void setReplayGainMode(ReplayGainMode mode);
    // The first song Play opens starts at the point when it is the point's file (a position
    // kept from the last run); whichever song that is uses the point up, and so do Next and
    // Previous.
    void resumeAt(const PlayerFiles::ResumePoint& point);
    // Where to resume next time: the song that sounds and its position, or the point not used
    // yet; nothing when no song sounds or it has ended.
    std::optional<PlayerFiles::ResumePoint> whereToResume() const;
    // Pauses (true) or resumes (false) everything, as while a slider is dragged.
    void pauseAll(bool pause);

    void addInfo(NowPlayingDisplay* display);
    void removeInfo(NowPlayingDisplay* display);
    void addProgress(ProgressDisplay* display);
    void removeProgress(ProgressDisplay* display);
    void updateProgress(uint32_t positionMs);

    PlayState state() const;
    bool isPlaying() const { return playing; }
    bool isPaused() const { return paused; }
    bool isMuted() const { return muted; }
    int32_t volumePercent() const { return volume; }
    // 0.0 to 1.0, and 0.0 while muted.
    float masterVolume() const;
    // The current song's play position and length in milliseconds; 0 without a song.
    uint32_t positionMs() const;
    uint32_t lengthMs() const;
    // False once the output failed to start.
    bool hasEngine() const { return engine != nullptr; }

    // One tick of the poller: moves the progress displays and, when the song has finished,
    // goes on to the next. The timer calls it; tests call it directly.
    void poll();

private:
    enum class Step { Forward, Back };

    bool step(Step direction);
    // The list has run out: stopped, one beyond the end.
    void runOut();
    // Starts the output unless it runs; on failure reports it and drops the engine.
    bool startOutput();
    // Says once that there is no sound device and goes on without sound, stopped.
    void dropEngine();
    // Opens the fetched song; when no decoder can play it, the songs that follow in the
    // direction of travel, up to the length of the list.
    void beginSong(const SongInfo& song, Step direction);
    void openSong(const SongInfo& song);
    void songOpened(const SongInfo& song, std::shared_ptr<PlayingSound> sound);
    bool loading() const { return opener->isWaiting(loadTicket); }
    void cancelLoading();
    // Shows a song that now sounds (displays, events) and opens the one to follow it.
    void showSong(const SongInfo& song);
    // The song's texts on the now-playing displays and in songChanged.
    void showNowPlaying(const SongInfo& song);
    void songTagged(uint32_t index, const SongInfo& song);
    void prepareFollowing();
    void followingOpened(const SongInfo& song, std::shared_ptr<PlayingSound> sound);
    void dropFollowing();
    // The song opened ahead has taken over from the current one, which ended.
    bool followerTookOver() const;
    void advanceToFollowing();
    void releaseSound();
    // Sends stateChanged when the state differs from the one last sent.
    void announceState();
    void announceNoSong();
    // Progress displays to the start, no song, the state announced.
    void showStopped();

    PlayList& playList;
    std::unique_ptr<SoundEngine> engine;
    std::unique_ptr<SongOpener> opener;
    SongOpener::Ticket loadTicket = 0;
    Step loadDirection = Step::Forward;
    uint32_t loadTriesLeft = 0;
    std::shared_ptr<PlayingSound> current;
    SongInfo currentSong;
    // The song opened ahead to follow the current one, and the song last asked for (queued,
    // being opened, or found unplayable: not asked for again while the same song follows).
    std::shared_ptr<PlayingSound> following;
    SongInfo followingSong;
    SongOpener::Ticket followTicket = 0;
    SongInfo followAskedFor;
    bool playing = false;
    bool paused = false;
    bool muted = false;
    int32_t volume = 100;  // the engine starts at full volume
    ReplayGainMode replayGainMode = ReplayGainMode::Track;
    std::optional<PlayerFiles::ResumePoint> resumePoint;
    PlayState announced = PlayState::Stopped;
    // Set while an operation that can ask the missing-file question runs, so that the poll
    // firing inside the question's event loop does not advance under it.
    bool commandRunning = false;
    std::vector<NowPlayingDisplay*> infos;
    std::vector<ProgressDisplay*> progresses;
    std::unique_ptr<QTimer> pollTimer;
};
