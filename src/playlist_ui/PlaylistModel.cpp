#include "playlist_ui/PlaylistModel.h"

#include <QFont>
#include <QMimeData>
#include <algorithm>
#include <numeric>

#include "playlist/PlayList.h"
#include "playlist_ui/SearchRunner.h"

PlaylistModel::PlaylistModel(PlayList& playlist, QObject* parent)
    : QAbstractListModel(parent), songs(playlist), markedSong(playlist.currentIndex()) {
    runner = std::make_unique<SearchRunner>(playlist, [this](SearchRunner::Result result) {
        QMetaObject::invokeMethod(
            this,
            [this, result = std::move(result)]() mutable {
                apply(result.ticket, std::move(result.found), result.to, result.shape,
                      result.whole);
            },
            Qt::QueuedConnection);
    });
    showAll();
    songs.addListView(this);
    connect(&songs.events(), &PlayerEvents::songTagged, this, &PlaylistModel::songTagged);
}

PlaylistModel::~PlaylistModel() {
    runner.reset();  // no result is handed over once the model goes
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

void PlaylistModel::showAll() {
    beginResetModel();
    shownShape = songs.shape();
    shownCount = songs.songCount();
    shown.resize(shownCount);
    std::iota(shown.begin(), shown.end(), 0u);
    shownSearch = SongSearch();
    endResetModel();
}

void PlaylistModel::refreshAll() {
    const uint32_t count = songs.songCount();
    if (!shownSearch.matchesAll() || songs.shape() != shownShape || count < shownCount) {
        showAll();
        return;
    }
    if (count > shownCount) {
        // Songs added at the end: the rows shown keep their place and selection.
        beginInsertRows({}, static_cast<int>(shownCount), static_cast<int>(count) - 1);
        shown.resize(count);
        std::iota(shown.begin() + shownCount, shown.end(), shownCount);
        shownCount = count;
        endInsertRows();
    }
}

void PlaylistModel::setSearch(const QString& text) {
    SongSearch next(text);
    if (next.matchesAll()) {
        wanted = next;
        awaited = 0;  // a result still coming is dropped
        awaitedTyped = searchAgain = false;
        showAll();
        emit searchApplied();
        return;
    }
    const bool narrowing = !searching() && !shownSearch.matchesAll() && next.narrows(shownSearch) &&
                           shownShape == songs.shape();
    wanted = std::move(next);
    startSearch(narrowing, true);
}

void PlaylistModel::startSearch(bool narrowing, bool typed) {
    SearchRunner::Query query{wanted};
    query.shape = songs.shape();
    query.to = songs.songCount();
    if (narrowing) {
        query.among = shown;
        query.from = shownCount;
    }
    awaited = runner->start(std::move(query));
    awaitedTyped = awaitedTyped || typed;
    searchAgain = false;
}

void PlaylistModel::apply(uint64_t ticket, std::vector<uint32_t> found, uint32_t to, uint64_t shape,
                          bool whole) {
    if (ticket != awaited) {
        return;  // a later search was asked for
    }
    awaited = 0;
    if (shape != songs.shape()) {
        startSearch(false, false);  // the window removed or moved songs meanwhile
        return;
    }
    if (whole) {
        beginResetModel();
        shown = std::move(found);
        endResetModel();
    } else if (!found.empty()) {
        beginInsertRows({}, rowCount(), rowCount() + static_cast<int>(found.size()) - 1);
        shown.insert(shown.end(), found.begin(), found.end());
        endInsertRows();
    }
    shownSearch = wanted;
    shownCount = to;
    shownShape = shape;
    const bool typed = std::exchange(awaitedTyped, false);
    if (std::exchange(searchAgain, false)) {
        refresh();
    }
    if (typed) {
        emit searchApplied();
    }
}

void PlaylistModel::refresh() {
    if (wanted.matchesAll()) {
        refreshAll();
    } else if (searching()) {
        searchAgain = true;
    } else if (songs.shape() != shownShape) {
        startSearch(false, false);
    } else if (songs.songCount() > shownCount) {
        SearchRunner::Query query{wanted};
        query.shape = shownShape;
        query.from = shownCount;
        query.to = songs.songCount();
        query.whole = false;
        awaited = runner->start(std::move(query));
    }
}

void PlaylistModel::songTagged(uint32_t songIndex, const SongInfo& song) {
    const int row = rowOfSong(songIndex);
    if (row >= 0) {
        emit dataChanged(index(row), index(row));
    }
    // Its new title or artist may match the search, or no longer.
    if (!shownSearch.matchesAll() && songIndex < shownCount &&
        shownSearch.matches(song) != (row >= 0)) {
        if (searching()) {
            searchAgain = true;
        } else {
            startSearch(false, false);
        }
    }
}

void PlaylistModel::songsRemoved(std::vector<uint32_t> indexes) {
    if (wanted.matchesAll()) {
        refreshAll();
        return;
    }
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    std::vector<uint32_t> kept;
    kept.reserve(shown.size());
    for (const uint32_t songIndex : shown) {
        const auto below = std::lower_bound(indexes.begin(), indexes.end(), songIndex);
        if (below == indexes.end() || *below != songIndex) {
            kept.push_back(songIndex - static_cast<uint32_t>(below - indexes.begin()));
        }
    }
    const auto removedShown =
        std::lower_bound(indexes.begin(), indexes.end(), shownCount) - indexes.begin();
    showRenumbered(std::move(kept), shownCount - static_cast<uint32_t>(removedShown));
}

void PlaylistModel::songsMoved(std::vector<uint32_t> indexes, uint32_t before) {
    if (wanted.matchesAll()) {
        refreshAll();
        return;
    }
    // As PlayList::moveSongs places them: the moved songs together where `before` was, the
    // others closing up in their order.
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    const uint32_t count = songs.songCount();
    std::erase_if(indexes, [count](uint32_t songIndex) { return songIndex >= count; });
    const uint32_t at = std::min(before, count);
    const auto movingAbove = static_cast<uint32_t>(
        std::lower_bound(indexes.begin(), indexes.end(), at) - indexes.begin());
    const auto moving = static_cast<uint32_t>(indexes.size());
    std::vector<uint32_t> renumbered;
    renumbered.reserve(shown.size());
    for (const uint32_t songIndex : shown) {
        const auto below = std::lower_bound(indexes.begin(), indexes.end(), songIndex);
        const auto rank = static_cast<uint32_t>(below - indexes.begin());
        if (below != indexes.end() && *below == songIndex) {
            renumbered.push_back(at - movingAbove + rank);
        } else {
            renumbered.push_back(songIndex < at ? songIndex - rank : songIndex - rank + moving);
        }
    }
    std::sort(renumbered.begin(), renumbered.end());
    showRenumbered(std::move(renumbered), shownCount);
}

void PlaylistModel::showRenumbered(std::vector<uint32_t> renumbered, uint32_t count) {
    beginResetModel();
    shown = std::move(renumbered);
    shownCount = count;
    shownShape = songs.shape();
    endResetModel();
    // Songs added but not searched yet were moved among the others: look at everything again.
    if (searching()) {
        searchAgain = true;
    } else if (shownCount != songs.songCount()) {
        startSearch(false, false);
    }
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
