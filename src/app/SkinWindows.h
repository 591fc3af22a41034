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
class AppRequests;
class SkinLibrary;
class WindowFiles;

// The owner of the skin layout: every skin window in order (its position is its window index)
// and, parallel to it, each window's elements in stacking order. Windows are built from and
// turned back into window file records, so a window can be put back at any index exactly as it
// was. It is also the host the windows and elements report to.
class SkinWindows : public SkinWindowHost {
public:
    SkinWindows(AppRequests& app, SkinLibrary& library, WindowFiles& files,
                const SkinContext& context, CallerPtr& receiver);
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
    // the elements stay.
    void reshapeWindow(size_t index, const SkinWindowFile& shape, bool move);
    // Removes window i and its elements, at once or after the event being handled (which may
    // come from one of them).
    enum class Deletion { now, later };
    void removeWindowAt(size_t index, Deletion deletion);
    void removeAll(Deletion deletion);

    // The expand command of a button in the window: collapses or expands it, as an edit of the
    // history.
    void toggleExpanded(MainWindow* window);
    // Removes the window, unless it is the last one and no tray icon could bring one back.
    void removeWindow(MainWindow* window);
    // Puts the record's element into window i's list at the position; returns it.
    Element* insertElement(size_t windowIndex, size_t position,
                           const SkinWindowFile::ElementRecord& record);
    void removeElement(Element* element);
    // Removes the element at the position of window i's list (after the event being handled,
    // which may come from it).
    void removeElementAt(size_t windowIndex, size_t position);
    void changeElementType(Element* element, ElementType newType);

    // Every volume slider of every window shows the value, without reporting back.
    void setVolumeSliders(int value);

    // Every edit of the windows and elements made through the skin windows' gestures and menus.
    SkinEditHistory& history() { return edits; }

    // SkinWindowHost
    void closeRequested() override;
    void pathsDropped(const QStringList& paths) override;
    // The skin menu's and element menu's edits are recorded in the history.
    void addElement(MainWindow* window, QPoint clientPoint) override;
    void addWindow() override;
    void deleteWindow(MainWindow* window) override;
    void importSkin(MainWindow* window) override;
    void exportSkin(MainWindow* window) override;
    void newSkin(MainWindow* window) override;
    void saveSkin() override;
    void useSkin(const QString& name) override;
    void showOptions() override;
    void undo() override { edits.undo(); }
    void redo() override { edits.redo(); }
    void showPlaylist(MainWindow* window) override;
    void choosePlayerOptions(const PlayerFiles::PlayerChoices& choices) override;
    void changeType(Element* element, ElementType type) override;
    void deleteElement(Element* element) override;
    void editFinished(Element* element, const SkinWindowFile::ElementRecord& before) override;
    void windowEditFinished(MainWindow* window, const SkinWindowFile& before) override;
    QString undoableEdit() const override { return edits.undoableEdit(); }
    QString redoableEdit() const override { return edits.redoableEdit(); }
    QStringList skinListing() const override;
    QString currentSkinName() const override;

private:
    // Window i's list and the element's place in it; false when no list holds it.
    bool find(const Element* element, size_t& windowIndex, size_t& position) const;

    AppRequests& app;
    SkinLibrary& library;
    WindowFiles& files;
    const SkinContext& context;
    CallerPtr& receiver;
    std::vector<MainWindow*> windows;
    std::vector<std::vector<Element*>> elementLists;
    SkinEditHistory edits{*this};
};
