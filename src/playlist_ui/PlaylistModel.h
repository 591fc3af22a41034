#pragma once

#include <QAbstractListModel>
#include <cstdint>
#include <vector>

#include "playlist/PlaylistView.h"
#include "playlist_ui/SongSearch.h"

class PlayList;

// The playlist as the playlist window lists it: the songs the search matches, by their index in
// the playlist (a vector of indexes, so a million songs cost four megabytes, not a million
// items). Rows are read from the playlist when they are drawn.
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
    // Reads the list again (after songs were added, removed or moved).
    void refresh();
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

private:
    std::vector<uint32_t> search(const SongSearch& wanted,
                                 const std::vector<uint32_t>* among) const;

    PlayList& songs;
    SongSearch current;
    std::vector<uint32_t> shown;
    uint32_t markedSong;
};
