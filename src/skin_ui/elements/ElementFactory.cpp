#include "skin_ui/elements/ElementFactory.h"

#include "skin_ui/controls/Callable.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/Info.h"
#include "skin_ui/elements/ListBox.h"
#include "skin_ui/elements/SliderFunction.h"

namespace ElementFactory {

namespace {

struct ElementKind {
    ElementType type;
    Element* (*build)(MainWindow* window, const Record& record);
    Record (*newRecord)();
};

template <typename Shown>
Element* build(MainWindow* window, const Record& record) {
    return new Shown(window, record);
}

constexpr ElementKind kinds[] = {
    {ElementType::button, build<ButtonFunction>, ButtonFunction::newRecord},
    {ElementType::slider, build<SliderFunction>, SliderFunction::newRecord},
    {ElementType::info, build<Info>, Info::newRecord},
    {ElementType::listBox, build<ListBox>, ListBox::newRecord},
};

const ElementKind* kindOf(ElementType type) {
    for (const ElementKind& kind : kinds) {
        if (kind.type == type) {
            return &kind;
        }
    }
    return nullptr;
}

}  // namespace

Record newRecord(ElementType type, int x, int y, bool moveable) {
    const ElementKind* kind = kindOf(type);
    Record record = kind ? kind->newRecord() : Record{.type = type};
    record.x = x;
    record.y = y;
    record.moveable = moveable;
    return record;
}

Element* create(MainWindow* window, const Record& record, CallerPtr* receiver) {
    const ElementKind* kind = kindOf(record.type);
    if (!kind) {
        return nullptr;
    }
    Element* element = kind->build(window, record);
    if (auto* reporter = dynamic_cast<Callable*>(element)) {
        reporter->setReceiver(receiver);
    }
    element->show();
    element->update();
    return element;
}

}  // namespace ElementFactory
