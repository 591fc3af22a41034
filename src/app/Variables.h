#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>

#include "app/AppRequests.h"
#include "app/SkinLibrary.h"
#include "common/Prompts.h"
#include "common/SettingsFiles.h"
#include "common/SkinContext.h"
#include "skin_ui/controls/CallerPtr.h"

class AppOptionsHost;
class DialogOwner;
class FirstFrame;
class MainWindow;
class QObject;
class Dispatcher;
class Options;
class PlaylistWindow;
class QWidget;
class SettingsStore;
class SkinWindows;
class QWidget;
class TrayIcon;
class WindowFiles;

// The application singleton and composition root: paths and settings, the start-up and
// shut-down order, the owner of the skin layout (SkinWindows) and the receiver of every button
// and slider action, which it hands to the command door (Dispatcher).
class Variables : public CallerPtr, public AppRequests, public SkinLibrary::Application {
public:
    static Variables& instance();
    // Ends the singleton (its destructor runs the shut-down order); the next instance() is new.
    static void destroyInstance();

    ~Variables() override;

    // The start-up sequence, once, with the files named on the command line: initWindows, then
    // initTray.
    void init(const QStringList& commandLineFiles);
    // The start-up up to the first frame: the data folder, the settings, the skin windows, the
    // files of the command line.
    void initWindows(const QStringList& commandLineFiles);
    // Puts the tray icon up; the program does it once its first frame is painted.
    void initTray();
    // Saves the skin windows, the settings files and the playlist; each step reports its own
    // failure and the next runs regardless.
    void saveAll();
    // saveAll, then ends the event loop with exit code 18 (the program still returns 0).
    void saveAllAndQuit() override;

    void callback(Callable* caller) override;

    // Opens the options window, above the skin window the action came from; nothing when it is
    // open already.
    void showOptions() override;
    // The skin window dialogs belong to (the one the action came from, else the first); none
    // without skin windows or before the application exists.
    static QWidget* currentDialogOwner();
    // The options window was closed: it goes once its close is handled.
    void optionsClosed();
    Options* optionsWindow() const { return openOptionsWindow; }
    // Opens the playlist window over the owner (the first skin window when none is given), or
    // brings the open one forward.
    void showPlaylist(QWidget* owner = nullptr) override;
    PlaylistWindow* playlistWindow() const;
    // True while the tray icon is up in a status area: a way back when no window is left.
    bool hasReachableTray() const override;
    TrayIcon* tray() const { return trayIcon.get(); }
    // The tray's "Add window": a new window at the next index, from its window file (not an
    // edit of the skin: the skin menu's "Add window" is, see SkinWindows::addWindow).
    void addWindow();
    // Rebuilds every window from the live files, keeping what plays and the volume.
    void reloadWindows() override;
    // The options window's list of skins follows an import.
    void skinsChanged() override;
    SkinLibrary& skinLibrary() { return *library; }

    // Paths dropped on a skin window, handed to the adding worker in order.
    void addDroppedPaths(const QStringList& paths) override;

    void loadColours();
    void loadOptions();
    void loadPlayerState();
    void saveColours() override;
    void savePlayerState();
    void saveOptions() override;
    void loadWindows();
    void saveWindows() override;
    // Pushes the colours and options to everything that shows or uses them: the skin context
    // (windows, elements, pictures) and the file worker's tag switch.
    void applySettings();
    // The skin context's part of that, for windows built before the worker runs.
    void applySkinSettings();

    Dispatcher& dispatcher() { return *commandDispatcher; }
    SkinWindows& skinWindows() { return *layout; }
    const SkinContext& skinContext() const { return context; }

    // An entry of the skin menu's Player submenu: the choice changes, applies and is saved.
    void choosePlayerOptions(const PlayerFiles::PlayerChoices& choices) override;

    // The folder of the current skin, as a native absolute path.
    QString skinFolder() const;

    QString dataFolder;
    SettingsFiles::Colours colours;
    SettingsFiles::Options options;

private:
    Variables();

    void readCommandLine(const QStringList& files);
    // Skin packages the file worker meets are imported on the window thread.
    void installSkinImport();

    SkinContext context;
    std::unique_ptr<SkinLibrary> library;
    std::unique_ptr<WindowFiles> windowFiles;
    std::unique_ptr<SkinWindows> layout;
    std::unique_ptr<Dispatcher> commandDispatcher;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<DialogOwner> dialogs;
    // Receives the imports the file worker posts; with it gone, posted imports are dropped.
    std::unique_ptr<QObject> importReceiver;
    std::unique_ptr<AppOptionsHost> optionsHost;
    Options* openOptionsWindow = nullptr;
    // Owned by its skin window; gone with it or when closed.
    QPointer<PlaylistWindow> openPlaylistWindow;
    std::unique_ptr<TrayIcon> trayIcon;
    // The first start's gesture hint, shown once the first window's first frame is painted.
    std::unique_ptr<FirstFrame> gestureHint;
};
