#pragma once

#include <QPoint>
#include <QString>
#include <vector>

#include "skin_ui/MenuItems.h"
#include "skins/ElementType.h"

class Element;

// The element menu (Shift + right click on an element) and its commands: the element type,
// a button's function and picture size, a slider's function, orientation, fill and picture
// size, the lock, and delete.
class ElementMenu {
public:
    static constexpr int verticalId = 50;
    static constexpr int filledId = 51;
    static constexpr int lockedId = 98;
    static constexpr int deleteId = 99;
    static constexpr int firstSizeId = 200;
    static constexpr int buttonFunctionBase = 1000;
    static constexpr int sliderFunctionBase = 1500;

    explicit ElementMenu(Element* element);

    // The "Element" entries change the element to the type their id names.
    static constexpr int typeId(ElementType type) { return numberOf(type); }

    // Shows the menu at the screen point; returns the chosen item id, 0 when none.
    int run(QPoint screenPoint);

    // The entries as shown, in order: submenu entries follow their submenu's line with their
    // titles indented by two spaces; separators are empty titles with id 0.
    using Item = MenuItem;
    std::vector<Item> items() const;

    // Carries out a menu command on the element. "Delete" and a type change delete it.
    static void runCommand(Element* element, int id);

private:
    Element* element;
};
