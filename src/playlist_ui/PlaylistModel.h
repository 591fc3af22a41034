#pragma once

#include <QAbstractListModel>
#include <cstdint>
#include <memory>
#include <vector>

#include "playlist/PlaylistView.h"
#include "playlist_ui/SongSearch.h"

class PlayList;
class SearchRunner;

// The playlist as the playlist window lists it: the songs the search matches, by their index in
// the playlist (a vector of indexes, so a million songs cost four megabytes, not a million
// items). Rows are read from the playlist when they are drawn.
//
// Searches run on a SearchRunner's thread: the rows change in one reset when the result of the
// latest search comes (searchApplied), and a search that narrows the one shown looks only at
// its rows. Clearing the search shows every song at once.
class PlaylistModel : public QAbstractListModel, public PlaylistView {
    Q_OBJECT

public:
    enum Role { ArtistRole = Qt::UserRole, IsCurrentRole, PathRole };
    // Drags carry the playlist indexes of the dragged rows under this type.
    static constexpr char rowsMimeType[] = "application/x-veskplayer-song-indexes";

    explicit PlaylistModel(PlayList& playlist, QObject* parent = nullptr);
    ~PlaylistModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

    void setSearch(const QString& text);
    // A search asked for has not been applied yet.
    bool searching() const { return awaited != 0; }
    // Reads the list again (after songs were added, removed or moved elsewhere).
    void refresh();
    // The window removed or moved these songs: the rows follow them without a search.
    void songsRemoved(std::vector<uint32_t> indexes);
    void songsMoved(std::vector<uint32_t> indexes, uint32_t before);
    void playlistChanged() override { refresh(); }
    // The current song changed: its mark moves.
    void currentSongChanged();
    // The rows in view (first to last), whose songs get their tags before the others.
    void showingRows(int first, int last);

    uint32_t songIndexAt(int row) const;
    // The row showing the song, -1 when the search hides it.
    int rowOfSong(uint32_t songIndex) const;
    // The playlist index a drop before the row means (the end of what is shown past the last).
    uint32_t songIndexBeforeRow(int row) const;

    PlayList& playlist() const { return songs; }

signals:
    // The result of the search last set is shown.
    void searchApplied();

private:
    // Every song, at once.
    void showAll();
    void refreshAll();
    // Asks for the search wanted over the whole list, or over the rows shown and the songs
    // added since when it narrows the search shown.
    void startSearch(bool narrowing, bool typed);
    void apply(uint64_t ticket, std::vector<uint32_t> found, uint32_t to, uint64_t shape,
               bool whole);
    void showRenumbered(std::vector<uint32_t> renumbered, uint32_t count);
    void songTagged(uint32_t songIndex, const SongInfo& song);

    PlayList& songs;
    // The search last set, and the one the rows answer (over songs 0 to shownCount, while the
    // list has the shape shownShape).
    SongSearch wanted;
    SongSearch shownSearch;
    std::vector<uint32_t> shown;
    uint32_t shownCount = 0;
    uint64_t shownShape = 0;
    // The ticket of the result awaited (0 for none); whether it answers a search set, and
    // whether the list changed while it was being looked for.
    uint64_t awaited = 0;
    bool awaitedTyped = false;
    bool searchAgain = false;
    uint32_t markedSong;
    std::unique_ptr<SearchRunner> runner;
};
