#include "skin_ui/SkinMenu.h"

#include <QMenu>

#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinWindowHost.h"

namespace {

QString withEdit(const QString& verb, const QString& edit) {
    return edit.isEmpty() ? verb : verb + " " + edit;
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
    // "." and ".." are in the listing when the library lists them; they are not skins.
    const QStringList listing = window->host().skinListing();
    const QString current = window->host().currentSkinName();
    for (int i = 0; i < listing.size(); ++i) {
        if (listing[i] != "." && listing[i] != "..") {
            list.push_back({listing[i], firstSkinId + i, listing[i] == current});
        }
    }
    list.push_back({"", 0, false});
    list.push_back({"Options", optionsId, false});
    // After the fixed items: taking back and doing again the last skin edit, named.
    const QString undoable = window->host().undoableEdit();
    const QString redoable = window->host().redoableEdit();
    list.push_back({"", 0, false});
    list.push_back({withEdit("Undo", undoable), undoId, false, !undoable.isEmpty()});
    list.push_back({withEdit("Redo", redoable), redoId, false, !redoable.isEmpty()});
    list.push_back({"", 0, false});
    list.push_back({QString::fromUtf8("Playlist…"), playlistId, false});
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
            action->setEnabled(item.enabled);
        }
    }
    QAction* chosen = menu.exec(screenPoint);
    return chosen ? chosen->data().toInt() : 0;
}
