#include "skin_ui/elements/SliderFunction.h"

#include <algorithm>
#include <limits>

#include "audio/Sound.h"

SliderFunction::SliderFunction(MainWindow* owner, int function) : Slider(owner) {
    setFunction(function);
}

SliderFunction::~SliderFunction() {
    if (function == progressFunction) {
        Sound::instance().removeProgress(this);
    }
}

void SliderFunction::setFunction(int newFunction) {
    if (function == progressFunction) {
        Sound::instance().removeProgress(this);
    }
    function = newFunction;
    if (newFunction == volumeFunction) {
        setPicture("201_volume.bmp");
        setTooltipText("Volume");
    } else if (newFunction == progressFunction) {
        setPicture("200_progress.bmp");
        setTooltipText("progress");
        Sound::instance().addProgress(this);
    }
}

namespace {

int toValue(uint32_t milliseconds) {
    return static_cast<int>(std::min<uint32_t>(milliseconds, std::numeric_limits<int>::max()));
}

}  // namespace

void SliderFunction::setLength(uint32_t lengthMs) {
    setMaximum(toValue(lengthMs));
}

void SliderFunction::setPosition(uint32_t positionMs) {
    setValue(toValue(positionMs), false);
}
