#include <malloc.h>

#include <QApplication>
#include <QFile>
#include <memory>
#include <string>
#include <vector>

#include "app/Dispatcher.h"
#include "app/FirstFrame.h"
#include "app/FontWarmUp.h"
#include "app/QtPrompts.h"
#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "common/StartPhases.h"
#include "desktop/InstanceServer.h"
#include "desktop/PlatformChoice.h"
#include "desktop/RunningCopy.h"
#include "desktop/StartOptions.h"
#include "mpris/MprisService.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/drawing/PictureLookup.h"
#include "skin_ui/drawing/ProgramIcon.h"
#include "skin_ui/drawing/WholeScaleFactor.h"

namespace {

// The desktop's player commands (the desktop entry's actions, later starts) run through the
// command door like the tray's: without the buttons' debug lines.
void runDesktopAction(DesktopAction action) {
    if (action == DesktopAction::showPlaylist) {
        Variables::instance().showPlaylist();
        return;
    }
    static constexpr ButtonCommand commands[] = {ButtonCommand::playPause, ButtonCommand::stop,
                                                 ButtonCommand::previous, ButtonCommand::next};
    Variables::instance().dispatcher().run(commands[static_cast<int>(action)], nullptr,
                                           Dispatcher::Echo::quiet);
}

// Files from later starts take the road of files dropped on a skin window.
void addHandedOverFile(const QString& path) {
    Variables::instance().addDroppedPaths({path});
}

QStringList qtNames(const std::vector<std::string>& names) {
    QStringList qtNames;
    for (const std::string& name : names) {
        qtNames.append(QFile::decodeName(QByteArray::fromStdString(name)));
    }
    return qtNames;
}

// The desktop's media controls (media keys, panels) reach the player as the tray does.
MediaControls mediaControls() {
    Variables& variables = Variables::instance();
    return {
        [&variables](ButtonCommand command) {
            variables.dispatcher().run(command, nullptr, Dispatcher::Echo::quiet);
        },
        [&variables](int percent) { variables.dispatcher().setVolume(percent); },
        [&variables](uint32_t ms) { variables.dispatcher().seek(ms); },
        [&variables](const QString& path) { variables.dispatcher().addAndPlay(path); },
        [&variables] {
            for (MainWindow* window : variables.skinWindows().windowList()) {
                window->raise();
            }
        },
    };
}

}  // namespace

int main(int argc, char** argv) {
    StartPhases::mark("player");
    const FontWarmUp fonts;
    // The launcher ("veskplayer") made this process the user's running copy, or let it run on
    // its own; it passes the socket later starts come to.
    RunningCopy runningCopy = RunningCopy::adopt(argc, argv);
    PlatformChoice::apply();
    WholeScaleFactor::apply();
    // The window class desktops match against the desktop entry (StartupWMClass): its instance
    // part comes from RESOURCE_NAME (else the name of this binary), its class part from the
    // application name.
    if (!qEnvironmentVariableIsSet("RESOURCE_NAME")) {
        qputenv("RESOURCE_NAME", "veskplayer");
    }
    QApplication app(argc, argv);
    app.setApplicationName("VeskPlayer");
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(ProgramIcon::smallest());
    QtPrompts prompts([] { return Variables::currentDialogOwner(); });
    Prompts::install(&prompts);
    StartPhases::mark("qt");

    // Qt has taken its own options ("-platform", "-style", ...) out of these; the rest are read
    // as bytes, as the file system names files.
    const StartOptions options = StartOptions::parse(argc, argv);
    // A first start finds no picture in the skin: they are drawn from the program and written
    // into the skin after the first frame.
    PictureLookup::holdRestores();
    Variables::instance().initWindows(qtNames(options.names));
    for (DesktopAction action : options.actions) {
        runDesktopAction(action);
    }
    {
        InstanceServer laterStarts(runningCopy.listener(), {addHandedOverFile, runDesktopAction});
        // The bus, the tray and the icon at every size draw nothing of the first frame: they
        // come once it is painted.
        std::unique_ptr<MprisService> mediaKeys;
        const std::vector<MainWindow*>& windows = Variables::instance().skinWindows().windowList();
        const FirstFrame busAndTray(windows.empty() ? nullptr : windows.front(), [&mediaKeys] {
            StartPhases::mark("first-paint");
            PictureLookup::releaseRestores();
            QApplication::setWindowIcon(ProgramIcon::icon());
            StartPhases::mark("icon");
            mediaKeys = std::make_unique<MprisService>(mediaControls());
            StartPhases::mark("bus");
            Variables::instance().initTray();
            StartPhases::mark("tray");
            // The start's decoding and layout leave freed heap behind; an idle player gives it
            // back to the system.
            malloc_trim(0);
        });
        app.exec();
    }
    // Everything a new start reads is saved by now, so it may start a player of its own.
    runningCopy.close();
    Variables::destroyInstance();
    Prompts::install(nullptr);
    // The quit code (18 for a normal close) is not the program's result.
    return 0;
}
