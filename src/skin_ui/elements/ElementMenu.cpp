#include "skin_ui/elements/ElementMenu.h"

#include "common/ButtonCommand.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinWindowHost.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/SliderFunction.h"

namespace {

const struct {
    ElementType type;
    const char* name;
} typeEntries[] = {{ElementType::button, "Button"},
                   {ElementType::slider, "Slider"},
                   {ElementType::info, "Info"},
                   {ElementType::listBox, "Listbox"}};
const char* const sizeNames[] = {"small (0)", "medium (1)", "large (2)"};
const char* const sliderFunctionNames[] = {"volume", "progress"};

using Item = ElementMenu::Item;

void addSizeEntries(std::vector<Item>& items, int sizeClass) {
    items.push_back({"Size", 0, false, true});
    for (int i = 0; i < 3; ++i) {
        items.push_back({QString("  ") + sizeNames[i], ElementMenu::firstSizeId + i, sizeClass == i,
                         true, true});
    }
}

}  // namespace

ElementMenu::ElementMenu(Element* element) : element(element) {}

std::vector<ElementMenu::Item> ElementMenu::items() const {
    std::vector<Item> list;
    list.push_back({"Element", 0, false, true});
    for (const auto& entry : typeEntries) {
        list.push_back({QString("  ") + entry.name, typeId(entry.type),
                        element->getType() == entry.type, true, true});
    }
    list.push_back({"", 0, false, true});
    if (const auto* button = qobject_cast<const ButtonFunction*>(element)) {
        list.push_back({"Function", 0, false, true});
        for (const ButtonCommandRow& row : buttonCommands) {
            const int f = idOf(row.command);
            list.push_back({QString("  ") + row.menuTitle, buttonFunctionBase + f,
                            button->getFunction() == f, row.runs, true});
        }
        addSizeEntries(list, element->getSizeClass());
    } else if (const auto* slider = qobject_cast<const SliderFunction*>(element)) {
        list.push_back({"Function", 0, false, true});
        for (int f = 1; f <= 2; ++f) {
            list.push_back({QString("  ") + sliderFunctionNames[f - 1], sliderFunctionBase + f,
                            slider->getFunction() == f, true, true});
        }
        list.push_back({"Vertical", verticalId, slider->isVertical(), true});
        list.push_back({"Filled", filledId, slider->isFilled(), true});
        addSizeEntries(list, element->getSizeClass());
    }
    list.push_back({"Locked", lockedId, !element->isMoveable(), true});
    list.push_back({"", 0, false, true});
    list.push_back({"Delete", deleteId, false, true});
    return list;
}

int ElementMenu::run(QPoint screenPoint) {
    return MenuItems::run(items(), screenPoint);
}

void ElementMenu::runCommand(Element* element, int id) {
    SkinWindowHost& host = element->getOwner()->host();
    if (isElementType(id)) {
        const auto type = static_cast<ElementType>(id);
        if (type != element->getType()) {
            host.changeType(element, type);
        }
        return;
    }
    if (id == deleteId) {
        host.deleteElement(element);
        return;
    }
    const Element::Record before = element->record();
    auto* button = qobject_cast<ButtonFunction*>(element);
    auto* slider = qobject_cast<SliderFunction*>(element);
    if (id == verticalId && slider) {
        slider->setVertical(!slider->isVertical());
    } else if (id == filledId && slider) {
        slider->setFilled(!slider->isFilled());
    } else if (id == lockedId) {
        element->setMoveable(!element->isMoveable());
    } else if (id >= firstSizeId && id <= firstSizeId + 2) {
        element->setSizeClass(id - firstSizeId);
    } else if (button && buttonCommandRow(id - buttonFunctionBase)) {
        button->setFunction(id - buttonFunctionBase);
    } else if (slider && (id == sliderFunctionBase + 1 || id == sliderFunctionBase + 2)) {
        slider->setFunction(id - sliderFunctionBase);
    }
    if (element->record() != before) {
        host.editFinished(element, before);
    }
}
