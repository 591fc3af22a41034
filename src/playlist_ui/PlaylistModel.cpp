#include "playlist_ui/PlaylistModel.h"

#include <QFont>
#include <QMimeData>
#include <algorithm>
#include <numeric>

#include "playlist/PlayList.h"

PlaylistModel::PlaylistModel(PlayList& playlist, QObject* parent)
    : QAbstractListModel(parent), songs(playlist), markedSong(playlist.currentIndex()) {
    shown = search(current, nullptr);
    songs.addListView(this);
    connect(&songs.events(), &PlayerEvents::songTagged, this, [this](uint32_t songIndex) {
        const int row = rowOfSong(songIndex);
        if (row >= 0) {
            emit dataChanged(index(row), index(row));
        }
    });
}

PlaylistModel::~PlaylistModel() {
    songs.removeListView(this);
}

int PlaylistModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown.size());
}

QVariant PlaylistModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const uint32_t songIndex = shown[static_cast<size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return songs.songAt(songIndex).title;
        case ArtistRole: {
            // The list shows no artist where none is known, rather than "N/A".
            const QString artist = songs.songAt(songIndex).artist;
            return artist == QLatin1String("N/A") ? QString() : artist;
        }
        case PathRole:
        case Qt::ToolTipRole:
            return songs.songAt(songIndex).path;
        case IsCurrentRole:
            return songIndex == songs.currentIndex();
        case Qt::FontRole: {
            QFont font;
            font.setBold(songIndex == songs.currentIndex());
            return font;
        }
        default:
            return {};
    }
}

Qt::ItemFlags PlaylistModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractListModel::flags(index);
    return index.isValid() ? flags | Qt::ItemIsDragEnabled : flags | Qt::ItemIsDropEnabled;
}

Qt::DropActions PlaylistModel::supportedDropActions() const {
    return Qt::MoveAction;
}

QStringList PlaylistModel::mimeTypes() const {
    return {QString::fromLatin1(rowsMimeType)};
}

QMimeData* PlaylistModel::mimeData(const QModelIndexList& indexes) const {
    std::vector<uint32_t> dragged;
    for (const QModelIndex& index : indexes) {
        dragged.push_back(songIndexAt(index.row()));
    }
    std::sort(dragged.begin(), dragged.end());
    QByteArray payload;
    for (const uint32_t songIndex : dragged) {
        payload += QByteArray::number(songIndex) + ' ';
    }
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(rowsMimeType), payload);
    return data;
}

std::vector<uint32_t> PlaylistModel::search(const SongSearch& wanted,
                                            const std::vector<uint32_t>* among) const {
    if (wanted.matchesAll()) {
        std::vector<uint32_t> all(songs.songCount());
        std::iota(all.begin(), all.end(), 0u);
        return all;
    }
    return songs.matching([&wanted](const SongInfo& song) { return wanted.matches(song); }, among);
}

void PlaylistModel::setSearch(const QString& text) {
    SongSearch next(text);
    const bool narrower = !current.matchesAll() && next.narrows(current);
    std::vector<uint32_t> found = search(next, narrower ? &shown : nullptr);
    current = std::move(next);
    beginResetModel();
    shown = std::move(found);
    endResetModel();
}

void PlaylistModel::refresh() {
    std::vector<uint32_t> found = search(current, nullptr);
    if (found == shown) {
        // The same songs; their tags may have changed.
        if (!shown.empty()) {
            emit dataChanged(index(0), index(rowCount() - 1));
        }
        return;
    }
    if (found.size() > shown.size() && std::equal(shown.begin(), shown.end(), found.begin())) {
        // Songs added at the end: the rows shown keep their place and selection.
        beginInsertRows({}, rowCount(), static_cast<int>(found.size()) - 1);
        shown = std::move(found);
        endInsertRows();
        return;
    }
    beginResetModel();
    shown = std::move(found);
    endResetModel();
}

void PlaylistModel::currentSongChanged() {
    const uint32_t before = std::exchange(markedSong, songs.currentIndex());
    for (const uint32_t songIndex : {before, markedSong}) {
        const int row = rowOfSong(songIndex);
        if (row >= 0) {
            emit dataChanged(index(row), index(row));
        }
    }
}

void PlaylistModel::showingRows(int first, int last) {
    if (first >= 0 && last >= first && last < rowCount()) {
        const uint32_t firstSong = shown[static_cast<size_t>(first)];
        songs.showingSongs(this, firstSong, shown[static_cast<size_t>(last)] - firstSong + 1);
    }
}

uint32_t PlaylistModel::songIndexAt(int row) const {
    return row >= 0 && row < rowCount() ? shown[static_cast<size_t>(row)] : PlayList::beyondEnd;
}

int PlaylistModel::rowOfSong(uint32_t songIndex) const {
    const auto found = std::lower_bound(shown.begin(), shown.end(), songIndex);
    return found != shown.end() && *found == songIndex ? static_cast<int>(found - shown.begin())
                                                       : -1;
}

uint32_t PlaylistModel::songIndexBeforeRow(int row) const {
    if (row >= 0 && row < rowCount()) {
        return shown[static_cast<size_t>(row)];
    }
    return shown.empty() ? songs.songCount() : shown.back() + 1;
}
