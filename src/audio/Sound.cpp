#include "audio/Sound.h"

#include <QFile>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "audio/DeviceOutput.h"
#include "audio/FindEle.h"
#include "audio/NowPlayingDisplay.h"
#include "audio/ProgressDisplay.h"
#include "audio/SoundEngine.h"
#include "common/DebugLog.h"
#include "common/Prompts.h"
#include "common/StartPhases.h"
#include "playlist/PlayList.h"

namespace {

Sound* soundInstance = nullptr;

// Marks a command as running for as long as it lasts.
class CommandScope {
public:
    explicit CommandScope(bool& flag) : flag(flag), outer(flag) { flag = true; }
    ~CommandScope() { flag = outer; }

private:
    bool& flag;
    bool outer;
};

}  // namespace

Sound::Sound(PlayList& playList, std::unique_ptr<AudioOutput> output, SongOpener::Mode opening)
    : playList(playList),
      engine(SoundEngine::createStopped(std::move(output))),
      opener(
          std::make_unique<SongOpener>(opening, engine->outputRate(), engine->outputChannels())) {
    pollTimer = std::make_unique<QTimer>();
    QObject::connect(pollTimer.get(), &QTimer::timeout, [this] { poll(); });
    pollTimer->start(pollIntervalMs);
    // Another mode can change the song to follow.
    QObject::connect(
        &playList.events(), &PlayerEvents::modesChanged, pollTimer.get(),
        [this] { prepareFollowing(); }, Qt::QueuedConnection);
    // Tags are read after songs are listed: the song that plays may get its tags now.
    QObject::connect(&playList.events(), &PlayerEvents::songTagged, pollTimer.get(),
                     [this](uint32_t index, const SongInfo& song) { songTagged(index, song); });
}

Sound::~Sound() {
    pollTimer.reset();
    cancelLoading();
    releaseSound();
    opener.reset();
    engine.reset();
}

Sound& Sound::instance() {
    if (soundInstance == nullptr) {
        soundInstance = new Sound(PlayList::instance(), std::make_unique<DeviceOutput>());
        StartPhases::mark("sound");
    }
    return *soundInstance;
}

Sound& Sound::createInstance(std::unique_ptr<AudioOutput> output) {
    deleteInstance();
    soundInstance = new Sound(PlayList::instance(), std::move(output));
    return *soundInstance;
}

void Sound::deleteInstance() {
    delete soundInstance;
    soundInstance = nullptr;
}

bool Sound::playPause() {
    if (!engine) {
        return false;
    }
    CommandScope scope(commandRunning);
    if (!playing) {
        playing = true;
        cancelLoading();
        releaseSound();
        playList.startOverIfRunOut();
        SongInfo song;
        if (playList.fetch(playList.currentIndex(), song) && startOutput()) {
            paused = false;  // a pause left over from before a stop
            beginSong(song, Step::Forward);
            announceState();
            return playing;
        }
        playing = false;
        announceState();
        return false;
    }
    paused = !paused;
    engine->setAllSoundsPaused(paused);
    announceState();
    return !paused;
}

void Sound::stop() {
    if (!playing || !engine) {
        return;
    }
    playing = false;
    engine->stopAllSounds();
    cancelLoading();
    playList.setCurrentIndex(0);
    releaseSound();
    showStopped();
}

bool Sound::next() {
    return step(Step::Forward);
}

bool Sound::previous() {
    return step(Step::Back);
}

bool Sound::step(Step direction) {
    if (!engine) {
        return false;
    }
    resumePoint.reset();  // only Play resumes
    CommandScope scope(commandRunning);
    if (followerTookOver()) {
        advanceToFollowing();
    }
    // Without shuffle or repeat there is nothing past the ends. Next on the last song (or the
    // last song ending) runs the list out: the player stops one beyond the end, where play
    // starts over. Previous on the first song leaves it playing (stopping it would let the poll
    // move on to the second song).
    if (!playList.shuffle() && !playList.repeat()) {
        const uint32_t index = playList.currentIndex();
        if (direction == Step::Forward && index >= playList.songCount() - 1u) {
            runOut();
            return false;
        }
        if (direction == Step::Back && index == 0) {
            return false;
        }
    }
    // A song opened ahead is used when it is the one to go to.
    std::shared_ptr<PlayingSound> preloaded = std::exchange(following, nullptr);
    const SongInfo preloadedSong = followingSong;
    engine->stopAllSounds();
    dropFollowing();
    bool startedPlaying = false;
    if (current || loading()) {
        cancelLoading();
        releaseSound();
    } else {
        playing = true;
        startedPlaying = true;
    }
    SongInfo song;
    const bool fetched = direction == Step::Forward ? playList.next(song) : playList.previous(song);
    if (fetched && startOutput()) {
        if (paused) {
            paused = false;
            startedPlaying = true;
        }
        if (direction == Step::Forward && preloaded && song.path == preloadedSong.path) {
            songOpened(song, std::move(preloaded));
        } else {
            beginSong(song, direction);
        }
        announceState();
        return startedPlaying && playing;
    }
    playing = false;
    showStopped();
    return false;
}

void Sound::runOut() {
    engine->stopAllSounds();
    cancelLoading();
    releaseSound();
    playing = false;
    playList.setCurrentIndex(std::max(playList.currentIndex() + 1, playList.songCount()));
    showStopped();
}

bool Sound::startOutput() {
    if (engine && !engine->startOutput()) {
        dropEngine();
    }
    return engine != nullptr;
}

void Sound::dropEngine() {
    DebugLog::write("ERROR: Failed to create soundengine.\n");
    Prompts::current().error("Failed to create soundengine.", "ERROR");
    cancelLoading();
    dropFollowing();
    engine.reset();
    current.reset();
    playing = false;
    showStopped();
}

void Sound::beginSong(const SongInfo& song, Step direction) {
    // Passing over songs that cannot play stops after as many tries as the list has songs, so
    // a list of nothing but such files (with repeat on) ends instead of going round forever.
    loadTriesLeft = std::max(playList.songCount(), 1u);
    loadDirection = direction;
    openSong(song);
}

void Sound::openSong(const SongInfo& song) {
    loadTicket = opener->open(song.path, [this, song](std::shared_ptr<PlayingSound> sound) {
        songOpened(song, std::move(sound));
    });
}

void Sound::songOpened(const SongInfo& song, std::shared_ptr<PlayingSound> sound) {
    if (!sound) {
        DebugLog::write("ERROR: Failed to play (" + QFile::encodeName(song.path).toStdString() +
                        ")\n");
        // The following song's fetch may ask the missing-file question.
        CommandScope scope(commandRunning);
        SongInfo nextSong;
        if (--loadTriesLeft > 0 && (loadDirection == Step::Forward ? playList.next(nextSong)
                                                                   : playList.previous(nextSong))) {
            openSong(nextSong);
            return;
        }
        playing = false;
        showStopped();
        return;
    }
    current = std::move(sound);
    current->setReplayGainMode(replayGainMode);
    // Only the first song opened may resume, and only when it is the song that was playing.
    if (resumePoint && resumePoint->path == song.path) {
        current->setPositionMs(resumePoint->positionMs);
    }
    resumePoint.reset();
    // A pause pressed while the song was being opened holds.
    engine->start(current, paused);
    showSong(song);
}

void Sound::showSong(const SongInfo& song) {
    // Its tags may have come while it was being opened.
    const SongInfo listed = playList.songAt(playList.currentIndex());
    showNowPlaying(listed.path == song.path ? listed : song);
    const uint32_t length = current->lengthMs();
    for (ProgressDisplay* progress : progresses) {
        progress->setLength(length);
    }
    updateProgress(0);
    announceState();
    dropFollowing();
    prepareFollowing();
}

void Sound::showNowPlaying(const SongInfo& song) {
    currentSong = song;
    emit playList.events().songChanged(song);
    const QString text = song.title + " - " + song.artist;
    for (NowPlayingDisplay* info : infos) {
        info->setNowPlaying(text);
    }
}

void Sound::songTagged(uint32_t index, const SongInfo& song) {
    // The index may be stale by now (songs removed meanwhile); the file must match too. A song
    // still being opened takes its record from the list when it is shown.
    if (current && index == playList.currentIndex() && song.path == currentSong.path) {
        showNowPlaying(song);
    }
}

void Sound::cancelLoading() {
    opener->cancel(loadTicket);
}

void Sound::prepareFollowing() {
    if (!engine || !playing || !current || current->finished()) {
        return;
    }
    SongInfo song;
    if (!playList.following(song)) {
        dropFollowing();
        return;
    }
    if (song.path == followAskedFor.path) {
        return;  // queued, being opened, or unplayable
    }
    dropFollowing();
    followAskedFor = song;
    followTicket = opener->open(song.path, [this, song](std::shared_ptr<PlayingSound> sound) {
        followingOpened(song, std::move(sound));
    });
}

void Sound::followingOpened(const SongInfo& song, std::shared_ptr<PlayingSound> sound) {
    // A song that cannot play is passed over when the current one ends, as without gapless.
    if (sound && current && engine) {
        following = std::move(sound);
        following->setReplayGainMode(replayGainMode);
        followingSong = song;
        engine->playAfter(current, following);
    }
}

void Sound::resumeAt(const PlayerFiles::ResumePoint& point) {
    resumePoint = point;
}

std::optional<PlayerFiles::ResumePoint> Sound::whereToResume() const {
    if (!current) {
        return resumePoint;  // not used yet: still where the last run left off
    }
    if (current->finished()) {
        return std::nullopt;
    }
    return PlayerFiles::ResumePoint{currentSong.path, current->positionMs()};
}

void Sound::setReplayGainMode(ReplayGainMode mode) {
    replayGainMode = mode;
    for (const std::shared_ptr<PlayingSound>& sound : {current, following}) {
        if (sound) {
            sound->setReplayGainMode(mode);
        }
    }
}

void Sound::dropFollowing() {
    opener->cancel(followTicket);
    followAskedFor = SongInfo{};
    if (following) {
        following.reset();
        if (engine) {
            engine->playAfter(current, nullptr);
        }
    }
}

bool Sound::followerTookOver() const {
    return following && current && engine && current->finished() && !engine->isQueued(following);
}

void Sound::advanceToFollowing() {
    CommandScope scope(commandRunning);
    std::shared_ptr<PlayingSound> sound = std::exchange(following, nullptr);
    const SongInfo expected = followingSong;
    SongInfo song;
    const bool fetched = playList.next(song);
    if (fetched && song.path == expected.path) {
        current = std::move(sound);
        showSong(song);
        return;
    }
    // The list changed since the song was opened ahead: play what it names now.
    engine->stopAllSounds();
    current.reset();
    if (fetched) {
        beginSong(song, Step::Forward);
        announceState();
    } else {
        playing = false;
        showStopped();
    }
}

void Sound::releaseSound() {
    dropFollowing();
    current.reset();
}

void Sound::restart() {
    seek(0);
}

void Sound::seek(uint32_t positionMs) {
    if (followerTookOver()) {
        advanceToFollowing();  // the jump is meant for the song that sounds
    }
    if (current) {
        current->setPositionMs(positionMs);
        updateProgress(positionMs);
        emit playList.events().positionJumped(positionMs);
    } else {
        updateProgress(0);
    }
}

bool Sound::toggleMute() {
    if (!engine) {
        return false;
    }
    if (muted) {
        engine->setMasterVolume(static_cast<float>(volume / 100.0));
        muted = false;
        emit playList.events().muteChanged(false);
        return false;
    }
    engine->setMasterVolume(0.0f);
    muted = true;
    emit playList.events().muteChanged(true);
    return true;
}

void Sound::setVolume(int32_t percent) {
    const bool changed = volume != percent;
    volume = percent;
    // While muted the level is only remembered, so a muted player never plays aloud;
    // unmuting brings it back.
    if (engine && !muted) {
        engine->setMasterVolume(static_cast<float>(percent / 100.0));
    }
    if (changed) {
        emit playList.events().volumeChanged(percent);
    }
}

void Sound::pauseAll(bool pause) {
    if (!engine) {
        return;
    }
    paused = pause;
    engine->setAllSoundsPaused(pause);
    announceState();
}

float Sound::masterVolume() const {
    if (engine) {
        return engine->masterVolume();
    }
    // Without a device the settings still keep the volume the user chose.
    return muted ? 0.0f : static_cast<float>(volume / 100.0);
}

void Sound::addInfo(NowPlayingDisplay* display) {
    infos.push_back(display);
    if (playing) {
        // The song that plays, not a fresh fetch of the current index: that could ask about a
        // missing file and move the playlist on without changing what is heard.
        const QString text = currentSong.title + " - " + currentSong.artist;
        for (NowPlayingDisplay* info : infos) {
            info->setNowPlaying(text);
        }
    }
}

void Sound::removeInfo(NowPlayingDisplay* display) {
    infos.erase(std::remove_if(infos.begin(), infos.end(), FindEle(display)), infos.end());
}

void Sound::addProgress(ProgressDisplay* display) {
    progresses.push_back(display);
    if (playing && current) {
        display->setLength(current->lengthMs());
    }
}

void Sound::removeProgress(ProgressDisplay* display) {
    progresses.erase(std::remove_if(progresses.begin(), progresses.end(), FindEle(display)),
                     progresses.end());
}

uint32_t Sound::positionMs() const {
    return current ? current->positionMs() : 0;
}

uint32_t Sound::lengthMs() const {
    return current ? current->lengthMs() : 0;
}

void Sound::updateProgress(uint32_t positionMs) {
    for (ProgressDisplay* progress : progresses) {
        progress->setPosition(positionMs);
    }
}

void Sound::poll() {
    if (engine && engine->outputFailed()) {
        // The device opens in the background; without one the player goes on silently.
        dropEngine();
    }
    if (commandRunning || !playing || !current || paused) {
        return;
    }
    if (followerTookOver()) {
        // This tick shows the new song from its start, as any song change does; the next
        // one shows where it has got to.
        advanceToFollowing();
        return;
    }
    updateProgress(current->positionMs());
    if (current->finished()) {
        next();
    } else {
        prepareFollowing();
    }
}

PlayState Sound::state() const {
    if (!playing) {
        return PlayState::Stopped;
    }
    if (paused) {
        return PlayState::Paused;
    }
    return PlayState::Playing;
}

void Sound::announceState() {
    const PlayState now = state();
    if (now != announced) {
        announced = now;
        if (engine) {
            engine->setOutputIdle(now != PlayState::Playing);
        }
        emit playList.events().stateChanged(now);
    }
}

void Sound::showStopped() {
    updateProgress(0);
    announceNoSong();
    announceState();
}

void Sound::announceNoSong() {
    if (currentSong != SongInfo{}) {
        currentSong = SongInfo{};
        emit playList.events().songChanged(currentSong);
    }
}
