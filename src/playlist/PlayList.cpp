#include "playlist/PlayList.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>

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

PlayList::PlayList() : playerEvents(std::make_unique<PlayerEvents>()) {
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
        tagsToRead.push_back(false);
    }
    songsChanged();
}

void PlayList::addSongs(const std::vector<SongInfo>& songs, Tags tags) {
    if (songs.empty()) {
        return;
    }
    {
        std::lock_guard guard(mutex);
        songList.insert(songList.end(), songs.begin(), songs.end());
        tagsToRead.resize(songList.size(), tags == Tags::ToRead);
        if (tags == Tags::ToRead) {
            tagsToReadCount += songs.size();
        }
    }
    songsChanged();
}

void PlayList::removeSong(uint32_t index) {
    removeSongs({index});
}

void PlayList::removeSongs(std::vector<uint32_t> indexes) {
    {
        std::lock_guard guard(mutex);
        if (!removeLocked(indexes)) {
            return;
        }
    }
    songsChanged();
}

bool PlayList::removeLocked(const std::vector<uint32_t>& indexes) {
    std::vector<bool> removed(songList.size(), false);
    bool any = false;
    for (const uint32_t index : indexes) {
        if (index < songList.size()) {
            removed[index] = true;
            any = true;
        }
    }
    if (any) {
        std::vector<uint32_t> order;
        order.reserve(songList.size());
        for (uint32_t i = 0; i < songList.size(); ++i) {
            if (!removed[i]) {
                order.push_back(i);
            }
        }
        reorderLocked(order);
    }
    return any;
}

void PlayList::moveSongs(std::vector<uint32_t> indexes, uint32_t before) {
    {
        std::lock_guard guard(mutex);
        const auto count = static_cast<uint32_t>(songList.size());
        std::vector<bool> moving(count, false);
        for (const uint32_t index : indexes) {
            if (index < count) {
                moving[index] = true;
            }
        }
        std::vector<uint32_t> order;
        order.reserve(count);
        auto placeMoved = [&] {
            for (uint32_t i = 0; i < count; ++i) {
                if (moving[i]) {
                    order.push_back(i);
                }
            }
        };
        for (uint32_t i = 0; i < count; ++i) {
            if (i == before) {
                placeMoved();
            }
            if (!moving[i]) {
                order.push_back(i);
            }
        }
        if (before >= count) {
            placeMoved();
        }
        reorderLocked(order);
    }
    songsChanged();
}

void PlayList::reorderLocked(const std::vector<uint32_t>& order) {
    const auto oldCount = static_cast<uint32_t>(songList.size());
    std::vector<uint32_t> newIndexOf(oldCount, beyondEnd);
    std::vector<SongInfo> reordered;
    reordered.reserve(order.size());
    std::vector<bool> reorderedTagsToRead(order.size(), false);
    tagsToReadCount = 0;
    for (uint32_t position = 0; position < order.size(); ++position) {
        newIndexOf[order[position]] = position;
        reordered.push_back(std::move(songList[order[position]]));
        if (tagsToRead[order[position]]) {
            reorderedTagsToRead[position] = true;
            ++tagsToReadCount;
        }
    }
    songList = std::move(reordered);
    tagsToRead = std::move(reorderedTagsToRead);
    tagsToReadFrom = 0;
    ++shapeCount;
    const auto newCount = static_cast<uint32_t>(songList.size());
    round.follow(newIndexOf, newCount);

    // A removed current song leaves the index on the song that followed it.
    const uint32_t oldCurrent = current;
    if (current < oldCount) {
        if (newIndexOf[current] != beyondEnd) {
            current = newIndexOf[current];
        } else {
            current = static_cast<uint32_t>(std::count_if(
                order.begin(), order.end(), [&](uint32_t i) { return i < oldCurrent; }));
        }
    }

    std::deque<uint32_t> kept;
    uint32_t keptPosition = 0;
    for (uint32_t position = 0; position < history.size(); ++position) {
        const uint32_t entry = history[position];
        const uint32_t moved = entry < oldCount ? newIndexOf[entry] : beyondEnd;
        if (position == shufflePos) {
            keptPosition = static_cast<uint32_t>(kept.size());
            // The pick being played goes on as the current index, even when its song went.
            if (moved == beyondEnd && current < newCount) {
                kept.push_back(current);
                continue;
            }
        }
        if (moved != beyondEnd) {
            kept.push_back(moved);
        }
    }
    if (kept.empty()) {
        kept.push_back(current);
    }
    history = std::move(kept);
    shufflePos = std::min<uint32_t>(keptPosition, static_cast<uint32_t>(history.size()) - 1);
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
            // Its tags may have come meanwhile: the file tells it is the same song.
            if (index < songList.size() && songList[index].path == candidate.path) {
                removed = removeLocked({index});
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
            history.push_back(drawLocked(history.empty() ? current : history.back()));
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
                history.push_back(drawLocked(history.empty() ? current : history.back()));
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
                history.push_front(drawLocked(history.empty() ? current : history.front()));
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
    const auto count = static_cast<uint32_t>(songList.size());
    if (shuffleOn) {
        round.restart(count, ShuffleRound::none);
        current = drawLocked(ShuffleRound::none);
    } else {
        current = 0;
    }
    shufflePos = 0;
    history.assign(1, current);
}

uint32_t PlayList::drawLocked(uint32_t justPlayed) {
    return round.draw(static_cast<uint32_t>(songList.size()), justPlayed);
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
        round.restart(static_cast<uint32_t>(songList.size()), current);
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

bool PlayList::matching(const Keep& keep, std::span<const uint32_t> candidates,
                        uint64_t expectedShape, std::vector<uint32_t>& found) const {
    std::lock_guard guard(mutex);
    if (shapeCount != expectedShape) {
        return false;
    }
    for (const uint32_t index : candidates) {
        if (index < songList.size() && keep(songList[index])) {
            found.push_back(index);
        }
    }
    return true;
}

bool PlayList::matching(const Keep& keep, uint32_t first, uint32_t end, uint64_t expectedShape,
                        std::vector<uint32_t>& found) const {
    std::lock_guard guard(mutex);
    if (shapeCount != expectedShape) {
        return false;
    }
    const uint32_t last = std::min<size_t>(end, songList.size());
    for (uint32_t index = first; index < last; ++index) {
        if (keep(songList[index])) {
            found.push_back(index);
        }
    }
    return true;
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
    views.push_back({view});
}

void PlayList::removeListView(PlaylistView* view) {
    std::lock_guard guard(mutex);
    std::erase_if(views, [view](const ViewShowing& showing) { return showing.view == view; });
}

void PlayList::showingSongs(PlaylistView* view, uint32_t first, uint32_t count) {
    std::lock_guard guard(mutex);
    for (ViewShowing& showing : views) {
        if (showing.view == view) {
            showing.first = first;
            showing.count = count;
        }
    }
}

uint64_t PlayList::shape() const {
    std::lock_guard guard(mutex);
    return shapeCount;
}

bool PlayList::takeTagsToReadLocked(uint32_t index, std::optional<SongToTag>& out) {
    if (index >= songList.size() || !tagsToRead[index]) {
        return false;
    }
    out = SongToTag{index, songList[index], shapeCount};
    return true;
}

std::optional<PlayList::SongToTag> PlayList::nextSongToTag() {
    std::lock_guard guard(mutex);
    std::optional<SongToTag> next;
    if (tagsToReadCount == 0 || takeTagsToReadLocked(current, next)) {
        return next;
    }
    for (const ViewShowing& showing : views) {
        const uint32_t end =
            std::min<uint64_t>(songList.size(), uint64_t{showing.first} + showing.count);
        for (uint32_t index = showing.first; index < end; ++index) {
            if (takeTagsToReadLocked(index, next)) {
                return next;
            }
        }
    }
    while (tagsToReadFrom < songList.size() && !takeTagsToReadLocked(tagsToReadFrom, next)) {
        ++tagsToReadFrom;
    }
    return next;
}

void PlayList::tagsRead(const SongToTag& handedOut, const SongInfo& tagged) {
    {
        std::lock_guard guard(mutex);
        const uint32_t index = handedOut.index;
        if (handedOut.shape != shapeCount || index >= songList.size() || !tagsToRead[index]) {
            return;
        }
        tagsToRead[index] = false;
        --tagsToReadCount;
        if (songList[index] == tagged) {
            return;
        }
        songList[index] = tagged;
    }
    emit playerEvents->songTagged(handedOut.index, tagged);
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
    round.setSource(std::move(source));
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
        for (const ViewShowing& showing : views) {
            toNotify.push_back(showing.view);
        }
    }
    for (PlaylistView* view : toNotify) {
        view->playlistChanged();
    }
}
