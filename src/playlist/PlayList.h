#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "playlist/PlayerEvents.h"
#include "playlist/PlaylistView.h"
#include "playlist/ShuffleRound.h"
#include "playlist/SongInfo.h"

// The one ordered list of songs of the process, with the current index, the shuffle and repeat
// switches and the history of shuffled picks.
//
// Shared by the file worker (appends), the sound poller and the window thread (plays, commands,
// views): every operation takes the playlist's lock, and no lock is held while the missing-file
// question is open. fetch, next and previous may show that question and so belong to the window
// thread (or a thread that waits for it).
class PlayList {
public:
    static constexpr uint32_t beyondEnd = 0xFFFFFFFFu;  // the index before 0

    // Tests make playlists of their own; the program uses instance().
    PlayList();
    virtual ~PlayList();
    PlayList(const PlayList&) = delete;
    PlayList& operator=(const PlayList&) = delete;

    // The process's playlist, created on first call; deleteInstance ends it at shut-down.
    static PlayList& instance();
    static void deleteInstance();

    // Songs whose tags are read after they are listed (by the file worker) are added with
    // TagsToRead; they show their defaults until tagsRead fills them in.
    enum class Tags { Known, ToRead };

    void addSong(const SongInfo& song);
    void addSongs(const std::vector<SongInfo>& songs, Tags tags = Tags::Known);
    // Erases the songs at the indexes (any order; those beyond the end are ignored). The current
    // index follows the current song; when that song itself goes, it names the song that took
    // its place. The shuffle history forgets the removed songs and renumbers the others.
    void removeSongs(std::vector<uint32_t> indexes);
    void removeSong(uint32_t index);
    // Moves the songs at the indexes (in list order) to stand together before the song that is
    // at `before` now (the end when it is songCount() or more). The current index and the
    // shuffle history follow the songs.
    void moveSongs(std::vector<uint32_t> indexes, uint32_t before);

    // Copies the song at index into out when its file exists. A missing file brings the question
    // whether to remove it; either way the following song is tried. True only when out holds a
    // song whose file exists. After every song of the list was found missing once in a row
    // (all answered No), it gives up with false rather than asking round and round.
    // A caller that also skips songs it cannot decode stops the same way: after songCount()
    // failed songs in a row it has walked the whole list.
    bool fetch(uint32_t index, SongInfo& out);
    // Advance / step back (sequential, shuffle history or repeat) and fetch that song.
    // False on an empty list or when the index falls off the list.
    bool next(SongInfo& out);
    bool previous(SongInfo& out);
    // The song next would go to, without moving and without asking about a missing file (the
    // player opens it ahead, to follow the current song without a gap). In shuffle the pick is
    // drawn now and kept in the history, so next goes to the same song. False when next would
    // fall off the list.
    bool following(SongInfo& out);

    bool shuffle() const;
    // Either way: the history restarts with the current index as its only entry.
    void setShuffle(bool on);
    bool repeat() const;
    void setRepeat(bool on);

    // May stand beyond the end (after removals, after going past the end, or as read back).
    uint32_t currentIndex() const;
    void setCurrentIndex(uint32_t index);
    // From beyond the end, where a list that ran out leaves it: back to the first song, or in
    // shuffle to a fresh pick that starts a new history. Elsewhere, and on an empty list,
    // nothing changes.
    void startOverIfRunOut();

    uint32_t songCount() const;
    // The song at index, or an empty record beyond the end.
    SongInfo songAt(uint32_t index) const;
    // Up to count songs from first on, taken under one lock (what a view paints).
    std::vector<SongInfo> songs(uint32_t first, uint32_t count) const;

    // Appends to `found` the indexes of the songs `keep` accepts among the candidates (in their
    // order; any beyond the end are passed over), or among the songs from `first` up to `end`,
    // as long as the list still has the shape `expectedShape`: false, with nothing appended,
    // once it has not. One lock is held throughout, so `keep` must not call back into the
    // playlist, and a large list is best looked at in slices.
    using Keep = std::function<bool(const SongInfo&)>;
    bool matching(const Keep& keep, std::span<const uint32_t> candidates, uint64_t expectedShape,
                  std::vector<uint32_t>& found) const;
    bool matching(const Keep& keep, uint32_t first, uint32_t end, uint64_t expectedShape,
                  std::vector<uint32_t>& found) const;

    // Changes whenever songs are removed or moved (not when songs are added or tagged): indexes
    // taken while it stays the same still name the same songs.
    uint64_t shape() const;

    // A song whose tags are still to be read, as it was when it was handed out.
    struct SongToTag {
        uint32_t index = 0;
        SongInfo song;
        uint64_t shape = 0;
    };
    // The next song to read the tags of: the current song first, then the songs the views
    // show, then the others in list order. Nothing when every song has its tags.
    std::optional<SongToTag> nextSongToTag();
    // Puts the song with its tags in place of the one handed out, unless the list changed shape
    // meanwhile (the song is then handed out again at its new index). A song that changed is
    // announced through songTagged.
    void tagsRead(const SongToTag& handedOut, const SongInfo& tagged);

    // The shuffle history and the position in it (for the settings and for tests).
    std::deque<uint32_t> shuffleHistory() const;
    uint32_t shufflePosition() const;

    // Views are told about added and removed songs through a queued call on the application's
    // thread; changes that come before that call has run are reported once.
    void addListView(PlaylistView* view);
    void removeListView(PlaylistView* view);
    // The songs the view shows now, whose tags are read before the others'.
    void showingSongs(PlaylistView* view, uint32_t first, uint32_t count);

    // Writes the songs as a ".vpl" playlist file, whole or not at all.
    bool save(const QString& path) const;

    // Tests script the shuffle picks: each value, modulo the number of songs not yet picked in
    // the round, chooses among them. Otherwise a clock-seeded generator draws uniformly.
    void setRandomSource(std::function<uint32_t()> source);

    // The player's announcements (state, song, volume, modes, jumps); the playlist sends the
    // modes itself. Lives on the thread that made the playlist.
    PlayerEvents& events() { return *playerEvents; }

private:
    enum class Step { Forward, Back };

    bool step(Step direction, SongInfo& out);
    // Fetches the current index, or the songs that follow it, for at most `tries` fetches.
    bool fetchFrom(uint32_t index, SongInfo& out, uint32_t tries);
    bool advanceLocked(Step direction);
    uint32_t drawLocked(uint32_t justPlayed);
    bool removeLocked(const std::vector<uint32_t>& indexes);
    // Puts the songs in the order of their old indexes; indexes left out are removed.
    void reorderLocked(const std::vector<uint32_t>& order);
    void songsChanged();
    void notifyViews();
    bool takeTagsToReadLocked(uint32_t index, std::optional<SongToTag>& out);

    struct ViewShowing {
        PlaylistView* view;
        uint32_t first = 0;
        uint32_t count = 0;
    };

    mutable std::mutex mutex;
    std::vector<SongInfo> songList;
    // Parallel to songList: the songs whose tags are still to be read, how many there are and
    // below which index none is.
    std::vector<bool> tagsToRead;
    size_t tagsToReadCount = 0;
    uint32_t tagsToReadFrom = 0;
    uint64_t shapeCount = 0;
    bool shuffleOn = false;
    bool repeatOn = false;
    uint32_t current = 0;
    uint32_t shufflePos = 0;
    std::deque<uint32_t> history;
    std::vector<ViewShowing> views;
    ShuffleRound round;
    bool notificationPending = false;
    // Lives on the application's thread; carries the queued view notifications.
    std::unique_ptr<QObject> notifier;
    const std::unique_ptr<PlayerEvents> playerEvents;
};
