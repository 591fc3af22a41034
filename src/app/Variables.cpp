#include "app/Variables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QObject>

#include "app/AppOptionsHost.h"
#include "app/DialogOwner.h"
#include "app/Dispatcher.h"
#include "app/FirstFrame.h"
#include "app/SettingsStore.h"
#include "app/SkinLibrary.h"
#include "app/SkinWindows.h"
#include "app/WindowFiles.h"
#include "audio/Sound.h"
#include "common/DataFolder.h"
#include "common/NestedLoop.h"
#include "common/SaveReport.h"
#include "common/StartPhases.h"
#include "common/StoredPath.h"
#include "options/Options.h"
#include "options/TrayIcon.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "playlist/StartFiles.h"
#include "playlist_ui/PlaylistWindow.h"
#include "skin_ui/DialogPlacement.h"
#include "skin_ui/GestureHelp.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/drawing/Engine.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/SliderFunction.h"
#include "skins/ImportLeftovers.h"
#include "skins/Skin.h"

namespace {

Variables* singleton = nullptr;
constexpr int quitExitCode = 18;

}  // namespace

Variables& Variables::instance() {
    if (!singleton) {
        singleton = new Variables();
    }
    return *singleton;
}

void Variables::destroyInstance() {
    delete singleton;
    singleton = nullptr;
}

Variables::Variables()
    : dataFolder(DataFolder::defaultPath()),
      library(std::make_unique<SkinLibrary>(dataFolder, options, *this)),
      windowFiles(std::make_unique<WindowFiles>(dataFolder)),
      layout(std::make_unique<SkinWindows>(*this, *library, *windowFiles, context, *this)),
      commandDispatcher(std::make_unique<Dispatcher>(*this, *layout, dataFolder)),
      settings(std::make_unique<SettingsStore>(dataFolder, colours, options, context.playerChoices,
                                               *commandDispatcher)),
      dialogs(std::make_unique<DialogOwner>(
          [this]() -> QWidget* { return layout->count() > 0 ? layout->window(0) : nullptr; })),
      importReceiver(std::make_unique<QObject>()),
      optionsHost(std::make_unique<AppOptionsHost>(
          colours, options, dataFolder, *library,
          [this] {
              saveColours();
              saveOptions();
              applySettings();
          },
          [this] { optionsClosed(); })) {}

Variables::~Variables() {
    layout->removeAll(SkinWindows::Deletion::now);
    delete openOptionsWindow;
    Sound::deleteInstance();
    // The worker adds to the playlist, so it ends (cutting a running add short) before the
    // playlist does.
    OpenFiles::deleteInstance();
    PlayList::deleteInstance();
    trayIcon.reset();
    // Nothing is written here: everything the next start reads was saved before the quit.
}

void Variables::init(const QStringList& commandLineFiles) {
    initWindows(commandLineFiles);
    initTray();
}

void Variables::initWindows(const QStringList& commandLineFiles) {
    Engine::instance();
    const bool firstStart = !QFileInfo::exists(dataFolder);
    if (firstStart) {
        // Parents are created too: a fresh account often has no documents folder yet.
        DataFolder::ensureExists(dataFolder);
        QDir(dataFolder).mkpath(options.skinPath.section('\\', 0, 0));
        Skin::storeBuiltInLook(dataFolder);
    }
    ImportLeftovers::remove(dataFolder);
    loadColours();
    loadOptions();
    settings->loadPlayerChoices();
    StartPhases::mark("data-folder");
    loadWindows();
    StartPhases::mark("windows");
    if (firstStart && layout->count() > 0) {
        // A skin window has no title bar: a new user learns once how to move it and where its
        // menu is.
        // The hint waits for the window's first frame: the user sees the window it points at
        // first, and the frame does not wait for the hint's own window and text.
        MainWindow* first = layout->window(0);
        gestureHint = std::make_unique<FirstFrame>(
            first, [first] { GestureHelp::showFirstStartHint(first); });
    }
    loadPlayerState();
    settings->loadResumePoint();
    readCommandLine(commandLineFiles);
    StartPhases::mark("command-line");
}

void Variables::initTray() {
    trayIcon = std::make_unique<TrayIcon>(
        TrayIcon::Actions{[this](ButtonCommand command) {
                              commandDispatcher->run(command, nullptr, Dispatcher::Echo::quiet);
                          },
                          [this] { addWindow(); }});
}

void Variables::installSkinImport() {
    // The import asks questions and may rebuild every window, so it starts on the window thread;
    // the worker only posts it and goes on (waiting for a dialog would hang the shut-down, which
    // waits for the worker).
    // Posted while a dialog, question or menu is open, it waits until that has closed: applying
    // the skin deletes every skin window, which may own the dialog or run the menu.
    QObject* receiver = importReceiver.get();
    const auto onWindowThread = [receiver](std::function<void(SkinLibrary&)> start) {
        QMetaObject::invokeMethod(
            receiver,
            [receiver, start] {
                NestedLoop::runOutside(receiver,
                                       [start] { start(Variables::instance().skinLibrary()); });
            },
            Qt::QueuedConnection);
    };
    OpenFiles::instance().setSkinImport(
        [onWindowThread](const QString& packagePath) {
            onWindowThread(
                [packagePath](SkinLibrary& library) { library.importSkin(packagePath); });
        },
        [onWindowThread](const QStringList& packagePaths) {
            onWindowThread(
                [packagePaths](SkinLibrary& library) { library.importFoundSkins(packagePaths); });
        });
}

void Variables::readCommandLine(const QStringList& files) {
    installSkinImport();
    OpenFiles& worker = OpenFiles::instance();
    worker.setUseTags(options.useTags);
    StartFiles::queue(files, options.openLastPlaylist, dataFolder, PlayList::instance(), worker);
}

void Variables::applySkinSettings() {
    context.colours = colours;
    context.onFront = options.onFront;
    context.skinFolder = skinFolder();
    context.notifyChanged();
}

void Variables::applySettings() {
    applySkinSettings();
    OpenFiles::instance().setUseTags(options.useTags);
}

void Variables::saveAll() {
    // Every file is still tried after one fails; the user hears once of all that were not saved.
    SaveReport report;
    saveWindows();
    saveColours();
    savePlayerState();
    saveOptions();
    settings->savePlayerChoices();
    settings->saveResumePoint();
    const QString playlistPath = dataFolder + "/playlist.vpl";
    if (options.openLastPlaylist && !PlayList::instance().save(playlistPath)) {
        report.add(playlistPath, "playlist.vpl");
    }
    report.tell();
}

void Variables::saveAllAndQuit() {
    saveAll();
    QCoreApplication::exit(quitExitCode);
}

void Variables::callback(Callable* caller) {
    if (auto* button = dynamic_cast<ButtonFunction*>(caller)) {
        commandDispatcher->dispatchButton(*button);
    } else if (auto* slider = dynamic_cast<SliderFunction*>(caller)) {
        commandDispatcher->dispatchSlider(*slider);
    }
}

void Variables::showOptions() {
    if (!openOptionsWindow) {
        openOptionsWindow = new Options(*optionsHost, dialogs->current());
    }
}

QWidget* Variables::currentDialogOwner() {
    return singleton ? singleton->dialogs->current() : nullptr;
}

void Variables::optionsClosed() {
    // The window's own close event is still running.
    if (openOptionsWindow) {
        openOptionsWindow->deleteLater();
        openOptionsWindow = nullptr;
    }
}

void Variables::showPlaylist(QWidget* owner) {
    if (!openPlaylistWindow) {
        if (!owner && !layout->windowList().empty()) {
            owner = layout->windowList().front();
        }
        openPlaylistWindow = new PlaylistWindow(
            PlayList::instance(), context,
            [this](uint32_t index) { commandDispatcher->playSongAt(index); }, owner);
    }
    openPlaylistWindow->show();
    openPlaylistWindow->raise();
    openPlaylistWindow->activateWindow();
}

PlaylistWindow* Variables::playlistWindow() const {
    return openPlaylistWindow;
}

bool Variables::hasReachableTray() const {
    return trayIcon && trayIcon->isReachable();
}

void Variables::addWindow() {
    windowFiles->loadNextWindow(*layout);
}

void Variables::skinsChanged() {
    if (openOptionsWindow) {
        openOptionsWindow->refreshSkinList();
    }
}

void Variables::reloadWindows() {
    // The live player state goes to "sfo.1" first, so rereading it below keeps what is playing,
    // the volume and the mute state as they are.
    savePlayerState();
    const int32_t volume = Sound::instance().volumePercent();
    // The edits were of the windows that go now.
    layout->history().clear();
    layout->removeAll(SkinWindows::Deletion::later);
    loadColours();
    // Read twice: the state file replays mute, repeat and shuffle as presses, and the buttons
    // they press are gone with the old windows; the second read sets them back to the saved
    // state (each press toggles), with no window yet to show a wrong picture.
    loadPlayerState();
    loadPlayerState();
    // A muted player's state file holds volume 0; the level it unmutes to stays the user's.
    commandDispatcher->restoreVolume(volume);
    loadWindows();
    if (openOptionsWindow) {
        // Its skin window has gone.
        DialogPlacement::placeAbove(openOptionsWindow, dialogs->current());
    }
}

void Variables::addDroppedPaths(const QStringList& paths) {
    for (const QString& path : paths) {
        OpenFiles::instance().addPath(path);
    }
}

void Variables::loadColours() {
    settings->loadColours();
}
void Variables::loadOptions() {
    settings->loadOptions();
}
void Variables::loadPlayerState() {
    settings->loadPlayerState();
}
void Variables::saveColours() {
    settings->saveColours();
}
void Variables::savePlayerState() {
    settings->savePlayerState();
}
void Variables::saveOptions() {
    settings->saveOptions();
}
void Variables::loadWindows() {
    // The windows and pictures are built with the settings as they are now.
    applySkinSettings();
    windowFiles->loadWindows(*layout);
}
void Variables::saveWindows() {
    windowFiles->saveWindows(*layout);
}

void Variables::choosePlayerOptions(const PlayerFiles::PlayerChoices& choices) {
    settings->applyPlayerChoices(choices);
    settings->savePlayerChoices();
}

QString Variables::skinFolder() const {
    return QDir(dataFolder).filePath(StoredPath::toNative(options.skinPath));
}
