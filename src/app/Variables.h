#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "common/Colour.h"
#include "skin_ui/controls/CallerPtr.h"

class MainWindow;
class Element;
class Options;

// The application singleton: paths and settings, the owner of every skin window and element,
// start-up and shut-down, and the receiver of every button and slider action.
class Variables : public CallerPtr {
public:
    static Variables& instance();
    // Ends the singleton (its destructor runs the shut-down order); the next instance() is new.
    static void destroyInstance();

    ~Variables() override;

    // The start-up sequence, once, with the files named on the command line.
    void init(const QStringList& commandLineFiles);
    // Saves the skin windows, the settings files and the playlist; each step reports its own
    // failure and the next runs regardless.
    void saveAll();
    // saveAll, then ends the event loop with exit code 18 (the program still returns 0).
    void saveAllAndQuit();

    void callback(Callable* caller) override;

    void showOptions();
    void repaintAll();
    void addWindow();
    void removeWindow(MainWindow* window);
    void addElement(MainWindow* window, int x, int y);
    void removeElement(Element* element);
    void changeElementType(Element* element, int newType);
    void reloadWindows();

    // Paths handed over by dropping files on a skin window, in order, for the adding worker.
    void addDroppedPath(const QString& path);

    // Index of the window in `windows`, or -1.
    int indexOf(const MainWindow* window) const;
    // The window whose element list holds the element, or null.
    MainWindow* ownerOf(const Element* element) const;

    // The folder of the current skin, as a native absolute path.
    QString skinFolder() const;

    QString dataFolder;
    QString skinPath = "skins\\default";
    bool onFront = true;
    bool openLastPlaylist = true;
    bool useTags = true;
    bool useOpacity = true;
    ColourRef textColour = makeColour(255, 255, 255);
    ColourRef backColour = makeColour(62, 73, 67);
    ColourRef opacityColour = makeColour(62, 73, 67);
    std::vector<MainWindow*> windows;
    std::vector<std::vector<Element*>> elementLists;
    Options* optionsWindow = nullptr;

private:
    Variables();

    void loadWindows();
    void loadWindowFile(int index);
    void saveWindows();
    // Deletes the elements of window i, then the window, and removes both entries.
    void destroyWindowAt(size_t index);

    QStringList pendingPaths;
};
