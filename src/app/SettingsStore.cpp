#include "app/SettingsStore.h"

#include <QFile>
#include <optional>

#include "app/Dispatcher.h"
#include "audio/Sound.h"
#include "common/DebugLog.h"
#include "common/PlayerFiles.h"
#include "common/SaveReport.h"
#include "common/SettingsFiles.h"
#include "common/StoredPath.h"
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
    return dataFolder + "/" + fileName;
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
    if (contents) {
        colours = SettingsFiles::parseColours(*contents);
    }
}

bool SettingsStore::saveColours() {
    return save(SettingsFiles::coloursFileName, SettingsFiles::serializeColours(colours));
}

void SettingsStore::loadOptions() {
    const auto contents = readFile(pathOf(SettingsFiles::optionsFileName));
    if (!contents) {
        return;
    }
    options = SettingsFiles::parseOptions(*contents);
    if (!StoredPath::isInsideSkinsFolder(options.skinPath)) {
        // A skin path that leaves the skins folder would have pictures written anywhere.
        DebugLog::write("skin path outside the skins folder: using the default skin\n");
        options.skinPath = SettingsFiles::Options().skinPath;
    }
}

bool SettingsStore::saveOptions() {
    return save(SettingsFiles::optionsFileName, SettingsFiles::serializeOptions(options));
}

void SettingsStore::loadPlayerState() {
    const auto contents = readFile(pathOf(SettingsFiles::playerStateFileName));
    if (!contents) {
        dispatcher.restoreVolume(defaultVolume);
        return;
    }
    const SettingsFiles::PlayerState state = SettingsFiles::parsePlayerState(*contents);
    PlayList::instance().setCurrentIndex(state.currentSong);
    dispatcher.restoreVolume(state.volume);
    if (state.muted) {
        dispatcher.run(ButtonCommand::mute, nullptr, Dispatcher::Echo::debugLine);
    }
    if (state.repeat) {
        dispatcher.run(ButtonCommand::repeat, nullptr, Dispatcher::Echo::debugLine);
    }
    if (state.shuffle) {
        dispatcher.run(ButtonCommand::shuffle, nullptr, Dispatcher::Echo::debugLine);
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

void SettingsStore::loadPlayerChoices() {
    const auto contents = readFile(pathOf(PlayerFiles::choicesFileName));
    applyPlayerChoices(contents ? PlayerFiles::parseChoices(*contents)
                                : PlayerFiles::PlayerChoices());
}

void SettingsStore::applyPlayerChoices(const PlayerFiles::PlayerChoices& choices) {
    playerChoices = choices;
    Sound::instance().setReplayGainMode(choices.replayGain);
}

bool SettingsStore::savePlayerChoices() {
    return saveQuietly(PlayerFiles::choicesFileName, PlayerFiles::serializeChoices(playerChoices));
}

void SettingsStore::loadResumePoint() {
    const auto contents = readFile(pathOf(PlayerFiles::resumeFileName));
    if (!contents || !playerChoices.resume) {
        return;
    }
    if (const auto point = PlayerFiles::parseResumePoint(*contents)) {
        Sound::instance().resumeAt(*point);
    }
}

bool SettingsStore::saveResumePoint() {
    const auto point = Sound::instance().whereToResume();
    if (!point || !playerChoices.resume) {
        // Nothing to resume: the next start begins from the start, as without the file.
        QFile::remove(pathOf(PlayerFiles::resumeFileName));
        return true;
    }
    return saveQuietly(PlayerFiles::resumeFileName, PlayerFiles::serializeResumePoint(*point));
}

bool SettingsStore::saveQuietly(const char* fileName, const QByteArray& contents) {
    if (StoredText::writeFile(pathOf(fileName), contents)) {
        return true;
    }
    DebugLog::write(std::string("ERROR: Failed to save ") + fileName + "\n");
    return false;
}
