#include "skin_ui/MenuItems.h"

#include <QMenu>

#include "common/NestedLoop.h"

int MenuItems::run(const std::vector<MenuItem>& items, QPoint screenPoint) {
    QMenu menu;
    QMenu* submenu = nullptr;
    for (const MenuItem& item : items) {
        if (item.id == 0 && !item.title.isEmpty()) {
            submenu = menu.addMenu(item.title);
            continue;
        }
        if (!item.inSubmenu) {
            submenu = nullptr;
        }
        if (item.title.isEmpty()) {
            menu.addSeparator();
            continue;
        }
        QMenu* target = item.inSubmenu && submenu ? submenu : &menu;
        QAction* action = target->addAction(item.title.trimmed());
        action->setData(item.id);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
    }
    const NestedLoop::Guard inMenu;
    const QAction* chosen = menu.exec(screenPoint);
    return chosen ? chosen->data().toInt() : 0;
}
