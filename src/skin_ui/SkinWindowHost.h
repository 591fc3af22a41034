#pragma once

#include <QPoint>
#include <QStringList>

#include "common/PlayerFiles.h"
#include "skins/SkinWindowFile.h"

class Element;
class MainWindow;

// What a skin window and its elements report upward: the owner of the windows implements it,
// so the skin windows never reach into the application above them. The menus decode their own
// items and call the method of the item chosen.
class SkinWindowHost {
public:
    virtual ~SkinWindowHost() = default;

    // The system close of a skin window: save everything and quit.
    virtual void closeRequested() = 0;
    // Local paths dropped on a skin window, in the order of the drop.
    virtual void pathsDropped(const QStringList& paths) = 0;

    // The skin menu's items, chosen in the window. The point is where the menu opened, in the
    // window's client coordinates.
    virtual void addElement(MainWindow* window, QPoint clientPoint) = 0;
    virtual void addWindow() = 0;
    virtual void deleteWindow(MainWindow* window) = 0;
    // The dialogs belong to the window.
    virtual void importSkin(MainWindow* window) = 0;
    virtual void exportSkin(MainWindow* window) = 0;
    virtual void newSkin(MainWindow* window) = 0;
    virtual void saveSkin() = 0;
    // A skin of the "Select skin" submenu, by its name.
    virtual void useSkin(const QString& name) = 0;
    virtual void showOptions() = 0;
    virtual void undo() = 0;
    virtual void redo() = 0;
    // "Playlist…": the playlist window, owned by the window.
    virtual void showPlaylist(MainWindow* window) = 0;
    // An entry of the "Player" submenu: the player's choices as they are after it.
    virtual void choosePlayerOptions(const PlayerFiles::PlayerChoices& choices) = 0;

    // The element menu's commands that replace or remove the element.
    virtual void changeType(Element* element, ElementType type) = 0;
    virtual void deleteElement(Element* element) = 0;
    // An editing gesture or menu command changed the element; `before` is its record as it was.
    virtual void editFinished(Element* element, const SkinWindowFile::ElementRecord& before) = 0;
    // A resize, collapse or expand changed the window; `before` is the window's own part of its
    // record as it was (place, sizes, expanded; no element records: these edits keep them).
    virtual void windowEditFinished(MainWindow* window, const SkinWindowFile& before) = 0;

    // What the skin menu's "Undo" and "Redo" would take back or do again ("move", "delete
    // window", ...); empty when there is nothing.
    virtual QString undoableEdit() const = 0;
    virtual QString redoableEdit() const = 0;
    // The skins folder listing and the name of the current skin, for the "Select skin" submenu.
    virtual QStringList skinListing() const = 0;
    virtual QString currentSkinName() const = 0;
};
