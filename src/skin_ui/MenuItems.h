#pragma once

#include <QPoint>
#include <QString>
#include <vector>

// One entry of a skin window's menu as the menu models list it: separators are empty titles with
// id 0; a title with id 0 opens a submenu, which holds the entries `inSubmenu` after it.
struct MenuItem {
    QString title;
    int id;
    bool checked;
    bool enabled = true;
    bool inSubmenu = false;
};

namespace MenuItems {

// Shows the entries as a menu at the screen point (a nested event loop, marked as one); returns
// the chosen entry's id, 0 when none. Titles are shown trimmed.
int run(const std::vector<MenuItem>& items, QPoint screenPoint);

}  // namespace MenuItems
