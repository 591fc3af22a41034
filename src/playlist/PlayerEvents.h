#pragma once

#include <QObject>
#include <cstdint>

#include "playlist/SongInfo.h"

// What the player is doing, as listeners see it: Stopped (nothing loaded; also once the list has
// run out), Playing, Paused.
enum class PlayState { Stopped, Playing, Paused };

// The player's announcements, for whoever shows or exports its state (windows, tray, desktop
// interfaces). Emitted on the window thread (songTagged excepted), only when the value changes
// (songChanged and positionJumped on every new song and every jump). Lives beside the playlist so
// that listeners need not link the sound engine.
class PlayerEvents : public QObject {
    Q_OBJECT

public:
    explicit PlayerEvents(QObject* parent = nullptr);

signals:
    void stateChanged(PlayState state);
    // A song started, or the song that plays got its tags; an empty record when the player
    // stopped and holds no song.
    void songChanged(const SongInfo& song);
    void volumeChanged(int percent);
    void muteChanged(bool muted);
    void modesChanged(bool shuffle, bool repeat);
    // The song at the index got the title and artist of its tags, read after it was listed.
    // Sent on the file worker's thread: listeners connect with a receiver on their own thread.
    void songTagged(uint32_t index, const SongInfo& song);
    // The play position was moved (seek, restart); not sent for the steady progress.
    void positionJumped(uint32_t ms);
};

Q_DECLARE_METATYPE(PlayState)
Q_DECLARE_METATYPE(SongInfo)
