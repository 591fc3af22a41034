#include "app/SettingsStore.h"

#include <QFile>
#include <optional>

#include "app/Dispatcher.h"
#include "app/Variables.h"
#include "audio/Sound.h"
#include "common/SaveReport.h"
#include "common/SettingsFiles.h"
#include "common/StoredText.h"
#include "playlist/PlayList.h"

namespace {

// The file's bytes, or nothing when it cannot be opened (the caller then keeps what it has).
std::optional<QByteArray> readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

constexpr int defaultVolume = 50;

}  // namespace

QString SettingsStore::pathOf(const char* fileName) const {
    return variables.dataFolder + "/" + fileName;
}

bool SettingsStore::save(const char* fileName, const QByteArray& contents) {
    const QString path = pathOf(fileName);
    if (StoredText::writeFile(path, contents)) {
        return true;
    }
    SaveReport::failed(path, fileName);
    return false;
}

void SettingsStore::loadColours() {
    const auto contents = readFile(pathOf(SettingsFiles::coloursFileName));
    if (!contents) {
        return;
    }
    const SettingsFiles::Colours colours = SettingsFiles::parseColours(*contents);
    variables.backColour = colours.backColour;
    variables.textColour = colours.textColour;
    variables.opacityColour = colours.opacityColour;
    variables.useOpacity = colours.useOpacity;
}

bool SettingsStore::saveColours() {
    SettingsFiles::Colours colours;
    colours.backColour = variables.backColour;
    colours.textColour = variables.textColour;
    colours.opacityColour = variables.opacityColour;
    colours.useOpacity = variables.useOpacity;
    return save(SettingsFiles::coloursFileName, SettingsFiles::serializeColours(colours));
}

void SettingsStore::loadOptions() {
    const auto contents = readFile(pathOf(SettingsFiles::optionsFileName));
    if (!contents) {
        return;
    }
    const SettingsFiles::Options options = SettingsFiles::parseOptions(*contents);
    variables.onFront = options.onFront;
    variables.openLastPlaylist = options.openLastPlaylist;
    variables.skinPath = options.skinPath;
    variables.useTags = options.useTags;
}

bool SettingsStore::saveOptions() {
    SettingsFiles::Options options;
    options.onFront = variables.onFront;
    options.openLastPlaylist = variables.openLastPlaylist;
    options.skinPath = variables.skinPath;
    options.useTags = variables.useTags;
    return save(SettingsFiles::optionsFileName, SettingsFiles::serializeOptions(options));
}

void SettingsStore::loadPlayerState() {
    Sound& sound = Sound::instance();
    const auto contents = readFile(pathOf(SettingsFiles::playerStateFileName));
    if (!contents) {
        sound.setVolume(defaultVolume);
        variables.setVolumeSliders(defaultVolume);
        return;
    }
    const SettingsFiles::PlayerState state = SettingsFiles::parsePlayerState(*contents);
    PlayList::instance().setCurrentIndex(state.currentSong);
    sound.setVolume(state.volume);
    variables.setVolumeSliders(state.volume);
    if (state.muted) {
        dispatcher.toggleMute();
    }
    if (state.repeat) {
        dispatcher.toggleRepeat();
    }
    if (state.shuffle) {
        dispatcher.toggleShuffle();
    }
}

bool SettingsStore::savePlayerState() {
    const Sound& sound = Sound::instance();
    const PlayList& playlist = PlayList::instance();
    SettingsFiles::PlayerState state;
    state.currentSong = playlist.currentIndex();
    state.volume = SettingsFiles::savedVolumePercent(sound.masterVolume());
    state.muted = sound.isMuted();
    state.repeat = playlist.repeat();
    state.shuffle = playlist.shuffle();
    return save(SettingsFiles::playerStateFileName, SettingsFiles::serializePlayerState(state));
}
