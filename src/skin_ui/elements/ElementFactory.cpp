#include "skin_ui/elements/ElementFactory.h"

#include "audio/Sound.h"
#include "common/ButtonCommand.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/Info.h"
#include "skin_ui/elements/ListBox.h"
#include "skin_ui/elements/SliderFunction.h"

namespace ElementFactory {

namespace {

constexpr int infoHeight = 20;
constexpr int sliderThickness = 10;
// A new element keeps the size class every element starts with; a new slider takes the
// smallest, whose track fits the 80-pixel length it starts with.
constexpr uint32_t newElementSizeClass = 1;
constexpr uint32_t newSliderSizeClass = 0;
constexpr int newLength = 80;
constexpr int newInfoWidth = 80;

Element* build(MainWindow* window, const Record& record, CallerPtr* receiver) {
    switch (record.type) {
        case SkinWindowFile::button: {
            auto* button = new ButtonFunction(window, record.function);
            button->setReceiver(receiver);
            return button;
        }
        case SkinWindowFile::slider: {
            auto* slider = new SliderFunction(window, record.function);
            slider->setReceiver(receiver);
            slider->setSize(record.sliderLength, sliderThickness);
            slider->setVertical(record.vertical);
            slider->setFilled(record.filled);
            return slider;
        }
        case SkinWindowFile::info: {
            auto* info = new Info(window);
            info->setSize(record.width, infoHeight);
            return info;
        }
        case SkinWindowFile::listBox: {
            auto* list = new ListBox(window);
            list->setSize(record.width, record.height);
            return list;
        }
        default:
            return nullptr;
    }
}

void showVolume(SliderFunction& slider) {
    if (slider.getFunction() == SliderFunction::volumeFunction) {
        slider.setValue(Sound::instance().volumePercent());
    }
}

// The picture and the settings that follow from it come first: they size buttons and set a
// slider's thickness, and the lengths the record gives come after.
void applyFunction(Element& element, const Record& record) {
    if (auto* button = qobject_cast<ButtonFunction*>(&element)) {
        if (button->getFunction() != record.function) {
            button->setFunction(record.function);
        }
    } else if (auto* slider = qobject_cast<SliderFunction*>(&element)) {
        slider->setVertical(record.vertical);
        slider->setFilled(record.filled);
        if (slider->getFunction() != record.function) {
            slider->setFunction(record.function);
            showVolume(*slider);
        }
    }
    element.setSizeClass(static_cast<int>(record.sizeClass));
}

void applySize(Element& element, const Record& record) {
    switch (record.type) {
        case SkinWindowFile::slider: {
            auto& slider = static_cast<SliderFunction&>(element);
            const int value = slider.getValue();
            if (record.vertical) {
                slider.setSize(slider.getWidth(), record.sliderLength);
            } else {
                slider.setSize(record.sliderLength, slider.getHeight());
            }
            slider.setValue(value);
            break;
        }
        case SkinWindowFile::info:
            element.setSize(record.width, infoHeight);
            break;
        case SkinWindowFile::listBox:
            element.setSize(record.width, record.height);
            break;
        default:
            break;
    }
}

}  // namespace

Record newRecord(int type, int x, int y, bool moveable) {
    Record record;
    record.type = type;
    record.x = x;
    record.y = y;
    record.moveable = moveable;
    record.sizeClass = newElementSizeClass;
    switch (type) {
        case SkinWindowFile::button:
            record.function = idOf(ButtonCommand::playPause);
            break;
        case SkinWindowFile::slider:
            record.function = SliderFunction::volumeFunction;
            record.sliderLength = newLength;
            record.sizeClass = newSliderSizeClass;
            break;
        case SkinWindowFile::info:
            record.width = newInfoWidth;
            break;
        case SkinWindowFile::listBox:
            record.width = newLength;
            record.height = newLength;
            break;
        default:
            break;
    }
    return record;
}

Element* create(MainWindow* window, const Record& record, CallerPtr* receiver) {
    Element* element = build(window, record, receiver);
    if (!element) {
        return nullptr;
    }
    element->setPosition(record.x, record.y);
    element->setSizeClass(static_cast<int>(record.sizeClass));
    element->setMoveable(record.moveable);
    // The knob is placed from the value and the track length, so the volume is given once the
    // slider has its final size and picture.
    if (auto* slider = qobject_cast<SliderFunction*>(element)) {
        showVolume(*slider);
    }
    element->show();
    element->update();
    return element;
}

Record recordOf(const Element& element) {
    Record record;
    record.type = element.getType();
    switch (element.getType()) {
        case SkinWindowFile::button:
            record.function = static_cast<const ButtonFunction&>(element).getFunction();
            break;
        case SkinWindowFile::slider: {
            const auto& slider = static_cast<const SliderFunction&>(element);
            record.function = slider.getFunction();
            record.vertical = slider.isVertical();
            record.sliderLength = record.vertical ? slider.getHeight() : slider.getWidth();
            record.filled = slider.isFilled();
            break;
        }
        case SkinWindowFile::info:
            record.width = element.getWidth();
            break;
        case SkinWindowFile::listBox:
            record.width = element.getWidth();
            record.height = element.getHeight();
            break;
        default:
            break;
    }
    record.x = element.getX();
    record.y = element.getY();
    record.sizeClass = static_cast<uint32_t>(element.getSizeClass());
    record.moveable = element.isMoveable();
    return record;
}

bool apply(Element& element, const Record& record) {
    if (element.getType() != record.type) {
        return false;
    }
    applyFunction(element, record);
    applySize(element, record);
    element.setPosition(record.x, record.y);
    element.setMoveable(record.moveable);
    element.update();
    return true;
}

}  // namespace ElementFactory
