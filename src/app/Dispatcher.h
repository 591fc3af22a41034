#pragma once

class ButtonFunction;
class SliderFunction;
class Variables;

// Turns a button click or a slider value into a player command, then gives the state buttons
// of every window the picture of the new state and moves the volume sliders.
class Dispatcher {
public:
    explicit Dispatcher(Variables& variables) : variables(variables) {}

    void dispatchButton(ButtonFunction& button);
    void dispatchSlider(SliderFunction& slider);

    // The commands of the buttons with a state, also replayed by the start-up restore and the
    // tray menu.
    void togglePlayPause();
    void toggleMute();
    void toggleShuffle();
    void toggleRepeat();

private:
    void expandWindowOf(ButtonFunction& button);
    void openFiles();
    void savePlaylist();

    Variables& variables;
};
