#include "playlist/PlayList.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <cstdlib>

#include "common/NativePath.h"
#include "common/Prompts.h"
#include "playlist/PlaylistFile.h"

namespace {

PlayList* theInstance = nullptr;
std::mutex instanceMutex;

// A song's file is there when it exists and is not a folder.
bool songFileExists(const QString& path) {
    return NativePath::isNonFolder(path);
}

bool askToRemove(const SongInfo& song) {
    const QString text = "song: " + song.title + "\n" + "artist: " + song.artist + "\n" +
                         "path: " + song.path + "\n\n" +
                         "Do want to remove this song out of the list?";
    PromptMessage question;
    question.text = text;
    question.caption = "File does not exists.";
    question.icon = PromptIcon::Error;
    question.buttons = PromptButtons::YesNo;
    // Playback waits on the answer: the box must not open under a skin window kept on top.
    question.topmost = true;
    return Prompts::current().ask(question) == PromptAnswer::Yes;
}

}  // namespace

PlayList::PlayList()
    : random([] { return static_cast<uint32_t>(std::rand()); }),
      playerEvents(std::make_unique<PlayerEvents>()) {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        notifier = std::make_unique<QObject>();
        if (notifier->thread() != application->thread()) {
            notifier->moveToThread(application->thread());
        }
    }
}

PlayList::~PlayList() = default;

PlayList& PlayList::instance() {
    std::lock_guard guard(instanceMutex);
    if (!theInstance) {
        theInstance = new PlayList();
    }
    return *theInstance;
}

void PlayList::deleteInstance() {
    std::lock_guard guard(instanceMutex);
    delete theInstance;
    theInstance = nullptr;
}

void PlayList::addSong(const SongInfo& song) {
    {
        std::lock_guard guard(mutex);
        songList.push_back(song);
    }
    songsChanged();
}

void PlayList::addSongs(const std::vector<SongInfo>& songs) {
    if (songs.empty()) {
        return;
    }
    {
        std::lock_guard guard(mutex);
        songList.insert(songList.end(), songs.begin(), songs.end());
    }
    songsChanged();
}

void PlayList::removeSong(uint32_t index) {
    {
        std::lock_guard guard(mutex);
        if (index >= songList.size()) {
            return;
        }
        songList.erase(songList.begin() + index);
    }
    songsChanged();
}

bool PlayList::fetch(uint32_t index, SongInfo& out) {
    // Each missing song costs one question; once as many songs as the list holds were missing
    // in a row, every song was tried and none can be played.
    uint32_t missingLeft = songCount();
    for (;;) {
        SongInfo candidate;
        {
            std::lock_guard guard(mutex);
            if (index >= songList.size()) {
                return false;
            }
            candidate = songList[index];
        }
        if (songFileExists(candidate.path)) {
            out = candidate;
            return true;
        }
        if (missingLeft == 0) {
            return false;
        }
        --missingLeft;

        // The lock is free while the question is open: the worker keeps adding meanwhile.
        bool removed = false;
        if (askToRemove(candidate)) {
            std::lock_guard guard(mutex);
            if (index < songList.size() && songList[index] == candidate) {
                songList.erase(songList.begin() + index);
                removed = true;
            }
        }
        if (removed) {
            songsChanged();
        }

        std::lock_guard guard(mutex);
        if (removed && !shuffleOn) {
            // The song that moved into the removed one's place is the one to try now.
            current = index;
            if (current >= songList.size() && repeatOn) {
                current = 0;
            }
        } else if (!advanceLocked(Step::Forward)) {
            return false;
        }
        if (current >= songList.size()) {
            return false;
        }
        index = current;
    }
}

bool PlayList::next(SongInfo& out) {
    return step(Step::Forward, out);
}

bool PlayList::previous(SongInfo& out) {
    return step(Step::Back, out);
}

bool PlayList::following(SongInfo& out) {
    std::lock_guard guard(mutex);
    const uint32_t count = static_cast<uint32_t>(songList.size());
    if (count == 0) {
        return false;
    }
    uint32_t index = current + 1;
    if (shuffleOn) {
        while (shufflePos + 1 >= history.size()) {
            history.push_back(drawLocked());
        }
        index = history[shufflePos + 1];
    }
    if (index >= count && repeatOn) {
        index = 0;
    }
    if (index >= count) {
        return false;
    }
    out = songList[index];
    return true;
}

bool PlayList::step(Step direction, SongInfo& out) {
    uint32_t index = 0;
    {
        std::lock_guard guard(mutex);
        if (!advanceLocked(direction) || current >= songList.size()) {
            return false;
        }
        index = current;
    }
    return fetch(index, out);
}

bool PlayList::advanceLocked(Step direction) {
    const uint32_t count = static_cast<uint32_t>(songList.size());
    if (count == 0) {
        return false;
    }
    if (direction == Step::Forward) {
        if (shuffleOn) {
            ++shufflePos;
            while (shufflePos >= history.size()) {
                history.push_back(drawLocked());
            }
            current = history[shufflePos];
        } else {
            ++current;
        }
        if (current >= count && repeatOn) {
            current = 0;
        }
    } else {
        if (shuffleOn) {
            if (shufflePos == 0) {
                shufflePos = 1;
                history.push_front(drawLocked());
            }
            --shufflePos;
            current = history[shufflePos];
        } else {
            --current;  // from 0 this wraps to beyondEnd
        }
        if (current >= count && repeatOn) {
            current = count - 1;
        }
    }
    return true;
}

void PlayList::startOverIfRunOut() {
    std::lock_guard guard(mutex);
    if (songList.empty() || current < songList.size()) {
        return;
    }
    current = shuffleOn ? drawLocked() : 0;
    shufflePos = 0;
    history.assign(1, current);
}

uint32_t PlayList::drawLocked() {
    return random() % static_cast<uint32_t>(songList.size());
}

bool PlayList::shuffle() const {
    std::lock_guard guard(mutex);
    return shuffleOn;
}

void PlayList::setShuffle(bool on) {
    bool changed = false;
    bool repeating = false;
    {
        std::lock_guard guard(mutex);
        changed = shuffleOn != on;
        shuffleOn = on;
        shufflePos = 0;
        history.assign(1, current);
        repeating = repeatOn;
    }
    if (changed) {
        emit playerEvents->modesChanged(on, repeating);
    }
}

bool PlayList::repeat() const {
    std::lock_guard guard(mutex);
    return repeatOn;
}

void PlayList::setRepeat(bool on) {
    bool shuffling = false;
    {
        std::lock_guard guard(mutex);
        if (repeatOn == on) {
            return;
        }
        repeatOn = on;
        shuffling = shuffleOn;
    }
    emit playerEvents->modesChanged(shuffling, on);
}

uint32_t PlayList::currentIndex() const {
    std::lock_guard guard(mutex);
    return current;
}

void PlayList::setCurrentIndex(uint32_t index) {
    std::lock_guard guard(mutex);
    current = index;
}

uint32_t PlayList::songCount() const {
    std::lock_guard guard(mutex);
    return static_cast<uint32_t>(songList.size());
}

SongInfo PlayList::songAt(uint32_t index) const {
    std::lock_guard guard(mutex);
    return index < songList.size() ? songList[index] : SongInfo{};
}

std::vector<SongInfo> PlayList::songs(uint32_t first, uint32_t count) const {
    std::lock_guard guard(mutex);
    if (first >= songList.size()) {
        return {};
    }
    const size_t last = std::min<size_t>(songList.size(), size_t{first} + count);
    return std::vector<SongInfo>(songList.begin() + first, songList.begin() + last);
}

std::deque<uint32_t> PlayList::shuffleHistory() const {
    std::lock_guard guard(mutex);
    return history;
}

uint32_t PlayList::shufflePosition() const {
    std::lock_guard guard(mutex);
    return shufflePos;
}

void PlayList::addListView(PlaylistView* view) {
    std::lock_guard guard(mutex);
    views.push_back(view);
}

void PlayList::removeListView(PlaylistView* view) {
    std::lock_guard guard(mutex);
    std::erase(views, view);
}

bool PlayList::save(const QString& path) const {
    std::vector<SongInfo> snapshot;
    {
        std::lock_guard guard(mutex);
        snapshot = songList;
    }
    return PlaylistFile::write(path, snapshot);
}

void PlayList::setRandomSource(std::function<uint32_t()> source) {
    std::lock_guard guard(mutex);
    random = std::move(source);
}

void PlayList::songsChanged() {
    {
        std::lock_guard guard(mutex);
        if (views.empty() || notificationPending) {
            return;
        }
        notificationPending = true;
    }
    if (!notifier) {
        notifyViews();
        return;
    }
    QMetaObject::invokeMethod(
        notifier.get(), [this] { notifyViews(); }, Qt::QueuedConnection);
}

void PlayList::notifyViews() {
    std::vector<PlaylistView*> toNotify;
    {
        std::lock_guard guard(mutex);
        notificationPending = false;
        toNotify = views;
    }
    for (PlaylistView* view : toNotify) {
        view->playlistChanged();
    }
}
