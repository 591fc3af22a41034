#include "app/Dispatcher.h"

#include <QFileInfo>

#include "app/AppRequests.h"
#include "app/SkinWindows.h"
#include "audio/Sound.h"
#include "common/DebugLog.h"
#include "common/Prompts.h"
#include "playlist/DialogFolder.h"
#include "playlist/FileDialog.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/SliderFunction.h"

namespace {

void echoLine(Dispatcher::Echo echo, const char* line) {
    if (echo == Dispatcher::Echo::debugLine) {
        DebugLog::write(line);
    }
}

}  // namespace

void Dispatcher::dispatchButton(ButtonFunction& button) {
    const int function = button.getFunction();
    if (!buttonCommandRow(function)) {
        return;
    }
    run(static_cast<ButtonCommand>(function), button.getOwner(), Echo::debugLine);
}

void Dispatcher::run(ButtonCommand command, MainWindow* origin, Echo echo) {
    Sound& sound = Sound::instance();
    switch (command) {
        case ButtonCommand::close:
            echoLine(echo, "close pressed\n");
            app.saveAllAndQuit();
            break;
        case ButtonCommand::options:
            echoLine(echo, "options pressed\n");
            app.showOptions();
            break;
        case ButtonCommand::playPause:
            togglePlayPause(echo);
            break;
        case ButtonCommand::stop:
            echoLine(echo, "stop pressed\n");
            sound.stop();
            break;
        case ButtonCommand::previous:
            echoLine(echo, "prev pressed\n");
            sound.previous();
            break;
        case ButtonCommand::next:
            echoLine(echo, "next pressed\n");
            sound.next();
            break;
        case ButtonCommand::mute:
            toggleMute(echo);
            break;
        case ButtonCommand::expand:
            layout.toggleExpanded(origin);
            break;
        case ButtonCommand::shuffle:
            toggleShuffle(echo);
            break;
        case ButtonCommand::repeat:
            toggleRepeat(echo);
            break;
        case ButtonCommand::returnToStart:
            echoLine(echo, "return pressed\n");
            sound.restart();
            break;
        case ButtonCommand::open:
            echoLine(echo, "open file\n");
            openFiles(origin);
            break;
        case ButtonCommand::save:
            echoLine(echo, "save file\n");
            savePlaylist(origin);
            break;
        case ButtonCommand::repeatOne:
            break;  // shown but without a command
    }
}

void Dispatcher::playSongAt(uint32_t index) {
    Sound& sound = Sound::instance();
    sound.stop();
    PlayList::instance().setCurrentIndex(index);
    sound.playPause();
}

void Dispatcher::addAndPlay(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return;
    }
    PlayList& playlist = PlayList::instance();
    const uint32_t before = playlist.songCount();
    // One file, added here by the worker's own rules, so it can start at once; the worker may
    // append songs of its own meanwhile, so the new one is found by its path.
    OpenFiles::instance().classify(path);
    for (uint32_t index = playlist.songCount(); index-- > before;) {
        if (playlist.songAt(index).path == path) {
            playSongAt(index);
            return;
        }
    }
}

void Dispatcher::togglePlayPause(Echo echo) {
    echoLine(echo, "play pressed\n");
    Sound::instance().playPause();
}

void Dispatcher::toggleMute(Echo echo) {
    echoLine(echo, "mute pressed\n");
    Sound::instance().toggleMute();
}

void Dispatcher::toggleShuffle(Echo echo) {
    echoLine(echo, "shuffle pressed\n");
    PlayList& playlist = PlayList::instance();
    playlist.setShuffle(!playlist.shuffle());
}

void Dispatcher::toggleRepeat(Echo echo) {
    echoLine(echo, "repeat pressed\n");
    PlayList& playlist = PlayList::instance();
    playlist.setRepeat(!playlist.repeat());
}

void Dispatcher::openFiles(MainWindow* origin) {
    const QStringList names = FileDialog::openFiles(
        Prompts::current(), DialogFolder::start(dataFolder), static_cast<QWidget*>(origin));
    DialogFolder::remember(dataFolder, names.value(0));
    for (const QString& name : names) {
        OpenFiles::instance().addPath(name);
    }
}

void Dispatcher::savePlaylist(MainWindow* origin) {
    const QString path = FileDialog::save(Prompts::current(), DialogFolder::start(dataFolder),
                                          "vpl", static_cast<QWidget*>(origin));
    if (path.isEmpty()) {
        return;
    }
    DialogFolder::remember(dataFolder, path);
    if (!PlayList::instance().save(path)) {
        Prompts::current().error("Failed to save the playlist.\n", "ERROR");
    }
}

void Dispatcher::dispatchSlider(SliderFunction& slider) {
    switch (slider.getFunction()) {
        case SliderFunction::volumeFunction:
            setVolume(slider.getValue());
            break;
        case SliderFunction::progressFunction:
            seek(static_cast<uint32_t>(slider.getValue()));
            break;
        default:
            break;
    }
}

void Dispatcher::setVolume(int percent) {
    Sound& sound = Sound::instance();
    if (sound.isMuted()) {
        sound.toggleMute();
    }
    sound.setVolume(percent);
    layout.setVolumeSliders(percent);
}

void Dispatcher::restoreVolume(int percent) {
    Sound::instance().setVolume(percent);
    layout.setVolumeSliders(percent);
}

void Dispatcher::seek(uint32_t ms) {
    Sound::instance().seek(ms);
}
