#pragma once

#include <QString>
#include <cstdint>

#include "common/ButtonCommand.h"

class ButtonFunction;
class MainWindow;
class AppRequests;
class SkinWindows;
class SliderFunction;

// The one door for player commands. A button click, the start-up restore, the tray menu and the
// desktop's media controls all run a command here. The state buttons show the new state by
// themselves, from the player's events.
class Dispatcher {
public:
    // Buttons write their debug line ("play pressed", ...); the tray and media keys do not.
    enum class Echo { debugLine, quiet };

    // The data folder keeps where the file dialogs open.
    Dispatcher(AppRequests& app, SkinWindows& layout, const QString& dataFolder)
        : app(app), layout(layout), dataFolder(dataFolder) {}

    // The window is the one the command came from (expand acts on it); null elsewhere.
    void run(ButtonCommand command, MainWindow* origin, Echo echo);

    void dispatchButton(ButtonFunction& button);
    void dispatchSlider(SliderFunction& slider);
    // The volume as the user sets it (a volume slider, the desktop's media controls): unmutes,
    // sets the volume and moves every volume slider.
    void setVolume(int percent);
    // The level read back from the player state (start-up, rebuilt windows): a muted player
    // stays muted and unmutes to it; every volume slider shows it.
    void restoreVolume(int percent);
    // Moves the play position (a progress slider, the desktop's media controls).
    void seek(uint32_t ms);
    // Plays the song at the playlist index from its start (the playlist window's choice).
    void playSongAt(uint32_t index);
    // Appends the song file and plays it (the desktop's media controls opening a song); a path
    // that is no regular file is not added.
    void addAndPlay(const QString& path);

private:
    void togglePlayPause(Echo echo);
    void toggleMute(Echo echo);
    void toggleShuffle(Echo echo);
    void toggleRepeat(Echo echo);
    // The file dialogs belong to the window whose button opened them (none from the tray).
    void openFiles(MainWindow* origin);
    void savePlaylist(MainWindow* origin);

    AppRequests& app;
    SkinWindows& layout;
    const QString& dataFolder;
};
