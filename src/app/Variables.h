#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "common/Colour.h"
#include "skin_ui/controls/CallerPtr.h"

class MainWindow;
class Element;
class Options;
class Dispatcher;
class SettingsStore;
class WindowFiles;

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

    // In every window, every button with the function gets the picture.
    void setButtonBitmaps(const QString& pictureName, int function);
    // The same in window i only.
    void setButtonBitmapsIn(size_t windowIndex, const QString& pictureName, int function);
    // Every volume slider of every window shows the value, without reporting back.
    void setVolumeSliders(int value);

    // A path dropped on a skin window, handed to the adding worker.
    void addDroppedPath(const QString& path);

    void loadColours();
    void loadOptions();
    void loadPlayerState();
    void saveColours();
    void savePlayerState();
    void saveOptions();
    void loadWindows();
    void loadWindowFile(int index);
    void saveWindows();

    Dispatcher& dispatcher() { return *commandDispatcher; }

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

    void readCommandLine(const QStringList& files);
    // Removes window i and its element list and deletes them, at once or after the event being
    // handled (which may come from one of them).
    enum class Deletion { now, later };
    void destroyWindowAt(size_t index, Deletion deletion);

    std::unique_ptr<Dispatcher> commandDispatcher;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<WindowFiles> windowFiles;
};
