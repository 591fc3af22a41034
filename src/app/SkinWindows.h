#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <vector>

#include "app/SkinEditHistory.h"
#include "skin_ui/SkinWindowHost.h"
#include "skins/SkinWindowFile.h"

class CallerPtr;
class Element;
class MainWindow;
class SkinContext;
class Variables;

// The owner of the skin layout: every skin window in order (its position is its window index)
// and, parallel to it, each window's elements in stacking order. Windows are built from and
// turned back into window file records, so a window can be put back at any index exactly as it
// was. It is also the host the windows and elements report to.
class SkinWindows : public SkinWindowHost {
public:
    SkinWindows(Variables& app, const SkinContext& context, CallerPtr& receiver);
    ~SkinWindows() override;
    SkinWindows(const SkinWindows&) = delete;
    SkinWindows& operator=(const SkinWindows&) = delete;

    size_t count() const { return windows.size(); }
    MainWindow* window(size_t index) const { return windows.at(index); }
    const std::vector<MainWindow*>& windowList() const { return windows; }
    const std::vector<Element*>& elementsOf(size_t index) const { return elementLists.at(index); }
    // Index of the window, or -1.
    int indexOf(const MainWindow* window) const;
    // The window whose element list holds the element, or null.
    MainWindow* ownerOf(const Element* element) const;

    // Builds the record's window with its elements at the index (0 to count) and shows it once,
    // at its final place and size.
    void insertWindow(size_t index, const SkinWindowFile& record);
    // The record of window i as the window file stores it.
    SkinWindowFile recordOf(size_t index) const;
    // Gives window i the record's sizes and expanded flag, and its place when `move` is set;
    // the elements stay. The expand buttons of the window follow a change of the flag.
    void reshapeWindow(size_t index, const SkinWindowFile& shape, bool move);
    // Removes window i and its elements, at once or after the event being handled (which may
    // come from one of them).
    enum class Deletion { now, later };
    void removeWindowAt(size_t index, Deletion deletion);
    void removeAll(Deletion deletion);

    // The skin menu's "Delete window".
    void removeWindow(MainWindow* window);
    // The skin menu's "Add element": a play/pause button at the client point.
    void addElement(MainWindow* window, int x, int y);
    // Puts the record's element into window i's list at the position; returns it.
    Element* insertElement(size_t windowIndex, size_t position,
                           const SkinWindowFile::ElementRecord& record);
    void removeElement(Element* element);
    // Removes the element at the position of window i's list (after the event being handled,
    // which may come from it).
    void removeElementAt(size_t windowIndex, size_t position);
    void changeElementType(Element* element, int newType);

    // In every window, every button with the function gets the picture.
    void setButtonBitmaps(const QString& pictureName, int function);
    // The same in window i only.
    void setButtonBitmapsIn(size_t windowIndex, const QString& pictureName, int function);
    // Every volume slider of every window shows the value, without reporting back.
    void setVolumeSliders(int value);
    void repaintAll();

    // Every edit of the windows and elements made through the skin windows' gestures and menus.
    SkinEditHistory& history() { return edits; }

    // SkinWindowHost
    void closeRequested() override;
    void pathsDropped(const QStringList& paths) override;
    void skinMenuCommand(MainWindow* window, int id, QPoint clientPoint) override;
    void elementCommand(Element* element, int id) override;
    void editFinished(Element* element, const SkinWindowFile::ElementRecord& before) override;
    void windowEditFinished(MainWindow* window, const SkinWindowFile& before) override;
    QString undoableEdit() const override { return edits.undoableEdit(); }
    QString redoableEdit() const override { return edits.redoableEdit(); }
    QStringList skinListing() const override;
    QString currentSkinName() const override;

private:
    // Window i's list and the element's place in it; false when no list holds it.
    bool find(const Element* element, size_t& windowIndex, size_t& position) const;
    // The skin menu's element and window items, recorded in the history.
    void addElementRecorded(MainWindow* window, QPoint clientPoint);
    void addWindowRecorded();
    void removeWindowRecorded(MainWindow* window);

    // Songs open in the background, so a play command cannot know at once whether a song will
    // play: the play/pause buttons also follow the player's state as it becomes known.
    void followPlayerState();

    Variables& app;
    const SkinContext& context;
    CallerPtr& receiver;
    std::vector<MainWindow*> windows;
    std::vector<std::vector<Element*>> elementLists;
    // Ends the connections to the player's events with the windows.
    QObject eventsReceiver;
    SkinEditHistory edits{*this};
};
