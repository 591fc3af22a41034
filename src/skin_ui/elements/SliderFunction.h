#pragma once

#include "audio/ProgressDisplay.h"
#include "skin_ui/elements/Slider.h"

// A slider bound to a function: 1 the volume, 2 the play position. A progress slider is moved by
// the sound wrapper, which also gives it the song length as its maximum.
class SliderFunction : public Slider, public ProgressDisplay {
    Q_OBJECT

public:
    static constexpr int volumeFunction = 1;
    static constexpr int progressFunction = 2;

    SliderFunction(MainWindow* owner, int function);
    ~SliderFunction() override;

    // Stores the function; volume and progress also set their picture and tooltip, and a
    // progress slider registers with the sound wrapper (a former one unregisters first).
    void setFunction(int newFunction);
    int getFunction() const { return function; }

    // From the player, for a progress slider: the song length is the maximum, and the play
    // position moves the knob without being reported back.
    void setLength(uint32_t lengthMs) override;
    void setPosition(uint32_t positionMs) override;
    // The element's place in its window is still set with two coordinates.
    using Slider::setPosition;

private:
    int function = 0;
};
