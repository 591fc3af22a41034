#pragma once

#include <cstdint>

#include "common/ButtonCommand.h"

class ButtonFunction;
class MainWindow;
class SliderFunction;
class Variables;

// The one door for player commands. A button click, the start-up restore, the tray menu and the
// desktop's media controls all run a command here; afterwards the state buttons of every window
// show the new state and the volume sliders move.
class Dispatcher {
public:
    // Buttons write their debug line ("play pressed", ...); the tray and media keys do not.
    enum class Echo { debugLine, quiet };

    explicit Dispatcher(Variables& variables) : variables(variables) {}

    // The window is the one the command came from (expand acts on it); null elsewhere.
    void run(ButtonCommand command, MainWindow* origin, Echo echo);

    void dispatchButton(ButtonFunction& button);
    void dispatchSlider(SliderFunction& slider);
    // What moving a volume slider does: unmutes, sets the volume and moves every volume slider.
    void setVolume(int percent);
    // Plays the song at the playlist index from its start (the playlist window's choice).
    void playSongAt(uint32_t index);

private:
    void togglePlayPause(Echo echo);
    void toggleMute(Echo echo);
    void toggleShuffle(Echo echo);
    void toggleRepeat(Echo echo);
    void expandWindow(MainWindow* window);
    // The file dialogs belong to the window whose button opened them (none from the tray).
    void openFiles(MainWindow* origin);
    void savePlaylist(MainWindow* origin);
    void showPlayState(bool running);

    Variables& variables;
};
