#pragma once

// A view that shows the playlist's songs (the list box element). The playlist calls
// playlistChanged on the thread of the application object after songs were added or removed;
// a burst of changes (a folder of 10,000 songs) is reported by a few calls, not one per song.
class PlaylistView {
public:
    virtual ~PlaylistView() = default;
    virtual void playlistChanged() = 0;
};
