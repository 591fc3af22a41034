#pragma once

#include <QString>

// An element that shows what is playing (the info element). The player gives every registered
// display the text of each song it starts.
class NowPlayingDisplay {
public:
    virtual ~NowPlayingDisplay() = default;
    // The song's title, " - " and its artist. Called on the window thread.
    virtual void setNowPlaying(const QString& text) = 0;
};
