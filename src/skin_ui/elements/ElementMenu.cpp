#include "skin_ui/elements/ElementMenu.h"

#include <QMenu>

#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinWindowHost.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/ElementFactory.h"
#include "skin_ui/elements/SliderFunction.h"

namespace {

const char* const typeNames[] = {"Button", "Slider", "Info", "Listbox"};
const char* const sizeNames[] = {"small (0)", "medium (1)", "large (2)"};
// The function names as the menu shows them (the tooltip of function 1 says "play/pause").
const char* const buttonFunctionNames[] = {"close",   "options", "play",   "stop",    "prev",
                                           "next",    "mute",    "expand", "shuffle", "repeat",
                                           "repeat1", "return",  "open..", "save.."};
const char* const sliderFunctionNames[] = {"volume", "progress"};
constexpr int repeatOneFunction = 9;

using Item = ElementMenu::Item;

void addSizeEntries(std::vector<Item>& items, int sizeClass) {
    items.push_back({"Size", 0, false, true});
    for (int i = 0; i < 3; ++i) {
        items.push_back(
            {QString("  ") + sizeNames[i], ElementMenu::firstSizeId + i, sizeClass == i, true});
    }
}

}  // namespace

ElementMenu::ElementMenu(Element* element) : element(element) {}

std::vector<ElementMenu::Item> ElementMenu::items() const {
    std::vector<Item> list;
    list.push_back({"Element", 0, false, true});
    for (int type = 1; type <= 4; ++type) {
        list.push_back(
            {QString("  ") + typeNames[type - 1], type, element->getType() == type, true});
    }
    list.push_back({"", 0, false, true});
    if (const auto* button = qobject_cast<const ButtonFunction*>(element)) {
        list.push_back({"Function", 0, false, true});
        for (int f = ButtonFunction::firstFunction; f <= ButtonFunction::lastFunction; ++f) {
            list.push_back({QString("  ") + buttonFunctionNames[f + 1], buttonFunctionBase + f,
                            button->getFunction() == f, f != repeatOneFunction});
        }
        addSizeEntries(list, element->getSizeClass());
    } else if (const auto* slider = qobject_cast<const SliderFunction*>(element)) {
        list.push_back({"Function", 0, false, true});
        for (int f = 1; f <= 2; ++f) {
            list.push_back({QString("  ") + sliderFunctionNames[f - 1], sliderFunctionBase + f,
                            slider->getFunction() == f, true});
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
    QMenu menu;
    QMenu* submenu = nullptr;
    const std::vector<Item> list = items();
    for (size_t i = 0; i < list.size(); ++i) {
        const Item& item = list[i];
        const bool nested = item.title.startsWith("  ");
        const bool opensSubmenu = item.id == 0 && !item.title.isEmpty() && i + 1 < list.size() &&
                                  list[i + 1].title.startsWith("  ");
        if (opensSubmenu) {
            submenu = menu.addMenu(item.title);
            continue;
        }
        if (!nested) {
            submenu = nullptr;
        }
        if (item.title.isEmpty()) {
            menu.addSeparator();
            continue;
        }
        QMenu* target = nested && submenu ? submenu : &menu;
        QAction* action = target->addAction(item.title.trimmed());
        action->setData(item.id);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
    }
    const QAction* chosen = menu.exec(screenPoint);
    return chosen ? chosen->data().toInt() : 0;
}

void ElementMenu::runCommand(Element* element, int id) {
    SkinWindowHost& host = element->getOwner()->host();
    const bool typeChange = id >= Element::buttonType && id <= Element::listBoxType;
    if ((typeChange && id != element->getType()) || id == deleteId) {
        host.elementCommand(element, id);
        return;
    }
    const ElementFactory::Record before = ElementFactory::recordOf(*element);
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
    } else if (button && id >= buttonFunctionBase + ButtonFunction::firstFunction &&
               id <= buttonFunctionBase + ButtonFunction::lastFunction) {
        button->setFunction(id - buttonFunctionBase);
    } else if (slider && (id == sliderFunctionBase + 1 || id == sliderFunctionBase + 2)) {
        slider->setFunction(id - sliderFunctionBase);
    }
    if (ElementFactory::recordOf(*element) != before) {
        host.editFinished(element, before);
    }
}
