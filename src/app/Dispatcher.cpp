#include "app/Dispatcher.h"

#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "audio/Sound.h"
#include "common/DebugLog.h"
#include "common/Prompts.h"
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
    if (function < firstButtonCommand || function > lastButtonCommand) {
        return;
    }
    run(static_cast<ButtonCommand>(function), button.getOwner(), Echo::debugLine);
}

void Dispatcher::run(ButtonCommand command, MainWindow* origin, Echo echo) {
    Sound& sound = Sound::instance();
    switch (command) {
        case ButtonCommand::close:
            echoLine(echo, "close pressed\n");
            variables.saveAllAndQuit();
            break;
        case ButtonCommand::options:
            echoLine(echo, "options pressed\n");
            variables.showOptions();
            break;
        case ButtonCommand::playPause:
            togglePlayPause(echo);
            break;
        case ButtonCommand::stop:
            echoLine(echo, "stop pressed\n");
            sound.stop();
            showPlayState(false);
            break;
        case ButtonCommand::previous:
            echoLine(echo, "prev pressed\n");
            if (sound.previous()) {
                showPlayState(true);
            }
            break;
        case ButtonCommand::next:
            echoLine(echo, "next pressed\n");
            if (sound.next()) {
                showPlayState(true);
            }
            break;
        case ButtonCommand::mute:
            toggleMute(echo);
            break;
        case ButtonCommand::expand:
            expandWindow(origin);
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

void Dispatcher::showPlayState(bool running) {
    const int id = idOf(ButtonCommand::playPause);
    variables.skinWindows().setButtonBitmaps(ButtonFunction::pictureOf(id, running), id);
}

void Dispatcher::playSongAt(uint32_t index) {
    Sound& sound = Sound::instance();
    sound.stop();
    PlayList::instance().setCurrentIndex(index);
    showPlayState(sound.playPause());
}

void Dispatcher::togglePlayPause(Echo echo) {
    echoLine(echo, "play pressed\n");
    showPlayState(Sound::instance().playPause());
}

void Dispatcher::toggleMute(Echo echo) {
    echoLine(echo, "mute pressed\n");
    const bool muted = Sound::instance().toggleMute();
    const int id = idOf(ButtonCommand::mute);
    variables.skinWindows().setButtonBitmaps(ButtonFunction::pictureOf(id, muted), id);
}

void Dispatcher::toggleShuffle(Echo echo) {
    echoLine(echo, "shuffle pressed\n");
    PlayList& playlist = PlayList::instance();
    playlist.setShuffle(!playlist.shuffle());
    const int id = idOf(ButtonCommand::shuffle);
    variables.skinWindows().setButtonBitmaps(ButtonFunction::pictureOf(id, playlist.shuffle()), id);
}

void Dispatcher::toggleRepeat(Echo echo) {
    echoLine(echo, "repeat pressed\n");
    PlayList& playlist = PlayList::instance();
    playlist.setRepeat(!playlist.repeat());
    const int id = idOf(ButtonCommand::repeat);
    variables.skinWindows().setButtonBitmaps(ButtonFunction::pictureOf(id, playlist.repeat()), id);
}

void Dispatcher::expandWindow(MainWindow* window) {
    SkinWindows& layout = variables.skinWindows();
    const int index = layout.indexOf(window);
    if (index < 0) {
        return;
    }
    const SkinWindowFile before = window->shapeRecord();
    const bool expanded = window->toggleExpanded();
    const int id = idOf(ButtonCommand::expand);
    layout.setButtonBitmapsIn(static_cast<size_t>(index), ButtonFunction::pictureOf(id, expanded),
                              id);
    layout.windowEditFinished(window, before);
}

void Dispatcher::openFiles(MainWindow* origin) {
    const QStringList names =
        FileDialog::openFiles(Prompts::current(), QString(), static_cast<QWidget*>(origin));
    for (const QString& name : names) {
        OpenFiles::instance().addPath(name);
    }
}

void Dispatcher::savePlaylist(MainWindow* origin) {
    const QString path =
        FileDialog::save(Prompts::current(), QString(), "vpl", static_cast<QWidget*>(origin));
    if (path.isEmpty()) {
        return;
    }
    if (!PlayList::instance().save(path)) {
        Prompts::current().error("Failed to save the playlist.\n", "ERROR");
    }
}

void Dispatcher::dispatchSlider(SliderFunction& slider) {
    Sound& sound = Sound::instance();
    switch (slider.getFunction()) {
        case SliderFunction::volumeFunction:
            setVolume(slider.getValue());
            break;
        case SliderFunction::progressFunction:
            sound.seek(static_cast<uint32_t>(slider.getValue()));
            break;
        default:
            break;
    }
}

void Dispatcher::setVolume(int percent) {
    Sound& sound = Sound::instance();
    if (sound.isMuted()) {
        sound.toggleMute();
        const int id = idOf(ButtonCommand::mute);
        variables.skinWindows().setButtonBitmaps(ButtonFunction::pictureOf(id, false), id);
    }
    sound.setVolume(percent);
    variables.skinWindows().setVolumeSliders(percent);
}
