#include "app/Dispatcher.h"

#include "app/Variables.h"
#include "audio/Sound.h"
#include "common/DebugLog.h"
#include "common/Prompts.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/SliderFunction.h"

namespace {

enum ButtonId {
    closeId = -1,
    optionsId = 0,
    playPauseId = 1,
    stopId = 2,
    prevId = 3,
    nextId = 4,
    muteId = 5,
    expandId = 6,
    shuffleId = 7,
    repeatId = 8,
    returnId = 10,
    openId = 11,
    saveId = 12,
};

enum SliderId { volumeId = 1, progressId = 2 };

const QString soundAndPlaylistFilter =
    "Sound files and playlists (*.mp3 *.wav *.ogg *.flac *.mod *.it *.s3m *.s3d *.xm *.vpl "
    "*.m3u *.m3u8);;All files (*)";

}  // namespace

void Dispatcher::dispatchButton(ButtonFunction& button) {
    Sound& sound = Sound::instance();
    switch (button.getFunction()) {
        case closeId:
            DebugLog::write("close pressed\n");
            variables.saveAllAndQuit();
            break;
        case optionsId:
            DebugLog::write("options pressed\n");
            variables.showOptions();
            break;
        case playPauseId:
            togglePlayPause();
            break;
        case stopId:
            DebugLog::write("stop pressed\n");
            sound.stop();
            variables.setButtonBitmaps("102_play.bmp", playPauseId);
            break;
        case prevId:
            DebugLog::write("prev pressed\n");
            if (sound.previous()) {
                variables.setButtonBitmaps("103_pause.bmp", playPauseId);
            }
            break;
        case nextId:
            DebugLog::write("next pressed\n");
            if (sound.next()) {
                variables.setButtonBitmaps("103_pause.bmp", playPauseId);
            }
            break;
        case muteId:
            toggleMute();
            break;
        case expandId:
            expandWindowOf(button);
            break;
        case shuffleId:
            toggleShuffle();
            break;
        case repeatId:
            toggleRepeat();
            break;
        case returnId:
            DebugLog::write("return pressed\n");
            sound.restart();
            break;
        case openId:
            DebugLog::write("open file\n");
            openFiles();
            break;
        case saveId:
            DebugLog::write("save file\n");
            savePlaylist();
            break;
        default:
            break;  // "repeat1" and unknown functions do nothing
    }
}

void Dispatcher::togglePlayPause() {
    DebugLog::write("play pressed\n");
    const bool running = Sound::instance().playPause();
    variables.setButtonBitmaps(running ? "103_pause.bmp" : "102_play.bmp", playPauseId);
}

void Dispatcher::toggleMute() {
    DebugLog::write("mute pressed\n");
    const bool muted = Sound::instance().toggleMute();
    variables.setButtonBitmaps(muted ? "108_mute_1.bmp" : "107_mute_0.bmp", muteId);
}

void Dispatcher::toggleShuffle() {
    DebugLog::write("shuffle pressed\n");
    PlayList& playlist = PlayList::instance();
    playlist.setShuffle(!playlist.shuffle());
    variables.setButtonBitmaps(playlist.shuffle() ? "112_shuffle_1.bmp" : "111_shuffle_0.bmp",
                               shuffleId);
}

void Dispatcher::toggleRepeat() {
    DebugLog::write("repeat pressed\n");
    PlayList& playlist = PlayList::instance();
    playlist.setRepeat(!playlist.repeat());
    variables.setButtonBitmaps(playlist.repeat() ? "114_repeat_1.bmp" : "113_repeat_0.bmp",
                               repeatId);
}

void Dispatcher::expandWindowOf(ButtonFunction& button) {
    for (size_t i = 0; i < variables.windows.size(); ++i) {
        if (variables.windows[i] != button.getOwner()) {
            continue;
        }
        const bool expanded = variables.windows[i]->toggleExpanded();
        variables.setButtonBitmapsIn(i, expanded ? "110_expand_1.bmp" : "109_expand_0.bmp",
                                     expandId);
    }
}

void Dispatcher::openFiles() {
    const QStringList names = Prompts::current().openFiles(soundAndPlaylistFilter);
    for (const QString& name : names) {
        OpenFiles::instance().addPath(name);
    }
}

void Dispatcher::savePlaylist() {
    const QString path = Prompts::current().saveFile("VeskPlayer playlist (*.vpl)", "vpl");
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
        case volumeId: {
            if (sound.isMuted()) {
                sound.toggleMute();
                variables.setButtonBitmaps("107_mute_0.bmp", muteId);
            }
            const int value = slider.getValue();
            sound.setVolume(value);
            variables.setVolumeSliders(value);
            break;
        }
        case progressId:
            sound.seek(static_cast<uint32_t>(slider.getValue()));
            break;
        default:
            break;
    }
}
