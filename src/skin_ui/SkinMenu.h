#pragma once

#include <QPoint>
#include <QStringList>
#include <vector>

#include "skin_ui/MenuItems.h"

class MainWindow;

// The skin menu of a skin window (Ctrl + right click), with its items in their fixed order. The
// skin listing and the current skin come from the window's host, which also runs the commands.
class SkinMenu {
public:
    static constexpr int addElementId = 1;
    static constexpr int addWindowId = 2;
    static constexpr int deleteWindowId = 3;
    static constexpr int importSkinId = 10;
    static constexpr int saveSkinId = 11;
    static constexpr int exportSkinId = 12;
    static constexpr int newSkinId = 13;
    static constexpr int optionsId = 15;
    static constexpr int undoId = 16;
    static constexpr int redoId = 17;
    static constexpr int playlistId = 18;
    static constexpr int gestureHelpId = 19;
    static constexpr int firstSkinId = 50;

    explicit SkinMenu(MainWindow* window);

    // Shows the menu at the screen point; returns the chosen item id, 0 when none.
    int run(QPoint screenPoint);
    // Runs the item through the window's host; the client point is where the menu opened. A
    // skin of the submenu is the one the menu showed under that id.
    void choose(int id, QPoint clientPoint);

    // The titles and ids as shown, separators as empty titles with id 0 (the submenus'
    // entries follow the "Select skin" and "Player" lines). Used to check the menu without showing
    // it.
    using Item = MenuItem;
    std::vector<Item> items() const;

private:
    MainWindow* window;
    // The items the menu was shown with, empty before run.
    std::vector<Item> shown;
};
