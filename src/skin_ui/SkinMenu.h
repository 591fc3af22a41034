#pragma once

#include <QPoint>
#include <QStringList>
#include <vector>

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
    static constexpr int firstSkinId = 50;

    explicit SkinMenu(MainWindow* window);

    // Shows the menu at the screen point; returns the chosen item id, 0 when none.
    int run(QPoint screenPoint);

    // The titles and ids as shown, separators as empty titles with id 0 (the submenu's
    // entries follow the "Select skin" line). Used to check the menu without showing it.
    struct Item {
        QString title;
        int id;
        bool checked;
        bool enabled = true;
    };
    std::vector<Item> items() const;

private:
    MainWindow* window;
};
