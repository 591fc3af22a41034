#include "skin_ui/elements/SliderFunction.h"

#include "skin_ui/elements/PlayerState.h"

SliderFunction::SliderFunction(MainWindow* owner, int function) : Slider(owner) {
    setFunction(function);
}

SliderFunction::~SliderFunction() {
    if (function == progressFunction) {
        PlayerState::removeProgressDisplay(this);
    }
}

void SliderFunction::setFunction(int newFunction) {
    if (function == progressFunction) {
        PlayerState::removeProgressDisplay(this);
    }
    function = newFunction;
    if (newFunction == volumeFunction) {
        setPicture("201_volume.bmp");
        setTooltipText("Volume");
    } else if (newFunction == progressFunction) {
        setPicture("200_progress.bmp");
        setTooltipText("progress");
        PlayerState::addProgressDisplay(this);
    }
}
