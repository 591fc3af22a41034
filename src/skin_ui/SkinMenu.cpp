#include "skin_ui/SkinMenu.h"

#include <QMenu>

#include "app/Variables.h"

std::function<QStringList()> SkinMenu::skinListing;
std::function<void(MainWindow*, int)> SkinMenu::libraryHandler;

namespace {

// The current skin's name: the part of the skin path behind its first separator.
QString currentSkinName() {
    const QString& path = Variables::instance().skinPath;
    const qsizetype separator = path.indexOf('\\');
    return separator < 0 ? path : path.mid(separator + 1);
}

}  // namespace

SkinMenu::SkinMenu(MainWindow* window) : window(window) {}

std::vector<SkinMenu::Item> SkinMenu::items() const {
    std::vector<Item> list = {{"Add element", addElementId, false},
                              {"Add window", addWindowId, false},
                              {"Delete window", deleteWindowId, false},
                              {"", 0, false},
                              {"Import skin", importSkinId, false},
                              {"Export skin", exportSkinId, false},
                              {"", 0, false},
                              {"New skin", newSkinId, false},
                              {"Save skin", saveSkinId, false},
                              {"", 0, false},
                              {"Select skin", 0, false}};
    const QStringList listing = skinListing ? skinListing() : QStringList();
    const QString current = currentSkinName();
    for (int i = 0; i < listing.size(); ++i) {
        if (listing[i] != "." && listing[i] != "..") {
            list.push_back({listing[i], firstSkinId + i, listing[i] == current});
        }
    }
    list.push_back({"", 0, false});
    list.push_back({"Options", optionsId, false});
    return list;
}

int SkinMenu::run(QPoint screenPoint) {
    QMenu menu;
    QMenu* skins = nullptr;
    for (const Item& item : items()) {
        QMenu* target = skins && item.id >= firstSkinId ? skins : &menu;
        if (item.title == "Select skin") {
            skins = menu.addMenu(item.title);
        } else if (item.title.isEmpty()) {
            menu.addSeparator();
        } else {
            QAction* action = target->addAction(item.title);
            action->setData(item.id);
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
        }
    }
    QAction* chosen = menu.exec(screenPoint);
    return chosen ? chosen->data().toInt() : 0;
}

void SkinMenu::runLibraryCommand(MainWindow* window, int id) {
    if (libraryHandler) {
        libraryHandler(window, id);
    }
}
