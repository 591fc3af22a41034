#pragma once

#include <QPoint>
#include <QStringList>

#include "skins/SkinWindowFile.h"

class Element;
class MainWindow;

// What a skin window and its elements report upward: the owner of the windows implements it,
// so the skin windows never reach into the application above them.
class SkinWindowHost {
public:
    virtual ~SkinWindowHost() = default;

    // The system close of a skin window: save everything and quit.
    virtual void closeRequested() = 0;
    // Local paths dropped on a skin window, in the order of the drop.
    virtual void pathsDropped(const QStringList& paths) = 0;
    // A skin menu item chosen in the window; the point is where the menu opened, in the
    // window's client coordinates.
    virtual void skinMenuCommand(MainWindow* window, int id, QPoint clientPoint) = 0;
    // An element menu command that replaces or removes the element (a type change, delete).
    virtual void elementCommand(Element* element, int id) = 0;
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
