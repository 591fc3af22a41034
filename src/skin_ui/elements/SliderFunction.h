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

    SliderFunction(MainWindow* owner, int function, int sizeClass = startSizeClass);
    // The slider a window file record describes; a volume slider shows the player's volume.
    SliderFunction(MainWindow* owner, const Record& record);
    // The record of a slider new to its window: a horizontal volume slider of the smallest
    // size class, whose track fits the length it starts with.
    static Record newRecord();
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

protected:
    void writeOwnSettings(Record& record) const override;
    // The knob keeps its value.
    void applyOwnSettings(const Record& record) override;

private:
    void showVolume();

    int function = 0;
};
