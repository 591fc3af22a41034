#include "skin_ui/SkinMenu.h"

#include "common/Prompts.h"
#include "common/SkinContext.h"
#include "skin_ui/GestureHelp.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/PlayerMenu.h"
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
            list.push_back({listing[i], firstSkinId + i, listing[i] == current, true, true});
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
    list.push_back({PlayerMenu::title, 0, false});
    for (const PlayerMenu::Entry& entry : PlayerMenu::entries(window->context().playerChoices)) {
        list.push_back({entry.title, entry.id, entry.checked, true, true});
    }
    list.push_back({"", 0, false});
    list.push_back({QString::fromUtf8("Skin editing help…"), gestureHelpId, false});
    return list;
}

int SkinMenu::run(QPoint screenPoint) {
    shown = items();
    return MenuItems::run(shown, screenPoint);
}

void SkinMenu::choose(int id, QPoint clientPoint) {
    SkinWindowHost& host = window->host();
    switch (id) {
        case addElementId:
            host.addElement(window, clientPoint);
            return;
        case addWindowId:
            host.addWindow();
            return;
        case deleteWindowId:
            host.deleteWindow(window);
            return;
        case importSkinId:
            host.importSkin(window);
            return;
        case exportSkinId:
            host.exportSkin(window);
            return;
        case newSkinId:
            host.newSkin(window);
            return;
        case saveSkinId:
            host.saveSkin();
            return;
        case optionsId:
            host.showOptions();
            return;
        case undoId:
            host.undo();
            return;
        case redoId:
            host.redo();
            return;
        case playlistId:
            host.showPlaylist(window);
            return;
        case gestureHelpId:
            Prompts::current().ask(GestureHelp::helpBox(window));
            return;
        default:
            break;
    }
    if (PlayerMenu::owns(id)) {
        host.choosePlayerOptions(PlayerMenu::chosen(window->context().playerChoices, id));
        return;
    }
    if (id < firstSkinId) {
        return;
    }
    if (shown.empty()) {
        shown = items();
    }
    for (const Item& item : shown) {
        if (item.id == id) {
            host.useSkin(item.title);
            return;
        }
    }
}
