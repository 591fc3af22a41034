#include "skin_ui/elements/SliderFunction.h"

#include <algorithm>
#include <limits>

#include "audio/Sound.h"

namespace {

// The thickness a slider has until its picture gives it one.
constexpr int startThickness = 10;
constexpr int newLength = 80;

}  // namespace

SliderFunction::SliderFunction(MainWindow* owner, int function, int sizeClass)
    : Slider(owner, sizeClass) {
    setFunction(function);
}

SliderFunction::SliderFunction(MainWindow* owner, const Record& record)
    : SliderFunction(owner, record.function, static_cast<int>(record.sizeClass)) {
    setSize(record.sliderLength, startThickness);
    setVertical(record.vertical);
    setFilled(record.filled);
    applyCommonSettings(record);
    // The knob is placed from the value and the track length, so the volume is given once the
    // slider has its final size and picture.
    showVolume();
}

Element::Record SliderFunction::newRecord() {
    return {.type = ElementType::slider,
            .function = volumeFunction,
            .sliderLength = newLength,
            .sizeClass = 0};
}

void SliderFunction::writeOwnSettings(Record& record) const {
    record.function = function;
    record.vertical = isVertical();
    record.sliderLength = getTrackLength();
    record.filled = isFilled();
}

void SliderFunction::applyOwnSettings(const Record& record) {
    // The picture and the settings that follow from it come first: they set the thickness,
    // and the length the record gives comes after.
    setVertical(record.vertical);
    setFilled(record.filled);
    if (function != record.function) {
        setFunction(record.function);
        showVolume();
    }
    setSizeClass(static_cast<int>(record.sizeClass));
    const int value = getValue();
    if (record.vertical) {
        setSize(getWidth(), record.sliderLength);
    } else {
        setSize(record.sliderLength, getHeight());
    }
    setValue(value);
}

void SliderFunction::showVolume() {
    if (function == volumeFunction) {
        setValue(Sound::instance().volumePercent());
    }
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
