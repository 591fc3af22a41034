#include "playlist_ui/PlaylistWindow.h"

#include <QCoreApplication>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QVBoxLayout>
#include <algorithm>

#include "common/Colour.h"
#include "common/SkinContext.h"
#include "playlist/PlayList.h"
#include "playlist_ui/PlaylistModel.h"
#include "playlist_ui/SongRowDelegate.h"

namespace {

std::vector<uint32_t> songIndexesOf(const QMimeData* data) {
    std::vector<uint32_t> indexes;
    for (const QByteArray& number :
         data->data(QString::fromLatin1(PlaylistModel::rowsMimeType)).split(' ')) {
        bool ok = false;
        const uint32_t index = number.toUInt(&ok);
        if (ok) {
            indexes.push_back(index);
        }
    }
    return indexes;
}

bool isListKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

}  // namespace

SongListView::SongListView(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

void SongListView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    const QModelIndex top = indexAt(QPoint(1, 1));
    if (top.isValid()) {
        QModelIndex bottom = indexAt(QPoint(1, viewport()->height() - 1));
        if (!bottom.isValid()) {
            bottom = model()->index(model()->rowCount() - 1, 0);
        }
        static_cast<PlaylistModel*>(model())->showingRows(top.row(), bottom.row());
    }
}

void SongListView::dragMoveEvent(QDragMoveEvent* event) {
    QListView::dragMoveEvent(event);
    if (event->mimeData()->hasFormat(QString::fromLatin1(PlaylistModel::rowsMimeType))) {
        event->acceptProposedAction();
    }
}

void SongListView::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasFormat(QString::fromLatin1(PlaylistModel::rowsMimeType))) {
        event->ignore();
        return;
    }
    dropSongsAt(event->mimeData(), event->position().toPoint());
    // The songs moved here; the view must not remove the dragged rows as after a move.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void SongListView::dropSongsAt(const QMimeData* data, QPoint viewportPoint) {
    auto* songs = static_cast<PlaylistModel*>(model());
    std::vector<uint32_t> moving = songIndexesOf(data);
    if (moving.empty()) {
        return;
    }
    const QModelIndex target = indexAt(viewportPoint);
    int row = target.isValid() ? target.row() : songs->rowCount();
    if (target.isValid() && viewportPoint.y() > visualRect(target).center().y()) {
        ++row;
    }
    const uint32_t before = songs->songIndexBeforeRow(row);
    songs->playlist().moveSongs(moving, before);
    songs->songsMoved(moving, before);
    const auto above = std::count_if(moving.begin(), moving.end(),
                                     [before](uint32_t index) { return index < before; });
    emit songsMoved(before - static_cast<uint32_t>(above), static_cast<int>(moving.size()));
}

PlaylistWindow::PlaylistWindow(PlayList& playlist, const SkinContext& context, PlaySong playSong,
                               QWidget* owner)
    : QWidget(owner, Qt::Window),
      context(context),
      playSong(std::move(playSong)),
      songs(new PlaylistModel(playlist, this)),
      search(new QLineEdit(this)),
      list(new SongListView(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Playlist"));
    resize(380, 440);
    search->setPlaceholderText(QStringLiteral("Search"));
    search->setClearButtonEnabled(true);
    list->setModel(songs);
    list->setItemDelegate(new SongRowDelegate(list));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(search);
    layout->addWidget(list);

    search->installEventFilter(this);
    list->installEventFilter(this);
    connect(search, &QLineEdit::textChanged, this, &PlaylistWindow::searchChanged);
    connect(songs, &PlaylistModel::searchApplied, this, &PlaylistWindow::searchApplied);
    connect(list, &QListView::doubleClicked, this, [this] { playSelected(); });
    connect(list, &SongListView::songsMoved, this, [this](uint32_t first, int count) {
        const int row = songs->rowOfSong(first);
        list->selectionModel()->clearSelection();
        for (int i = 0; i < count; ++i) {
            list->selectionModel()->select(songs->index(row + i), QItemSelectionModel::Select);
        }
    });
    connect(&playlist.events(), &PlayerEvents::songChanged, this, &PlaylistWindow::showCurrentSong);
    connect(&context, &SkinContext::changed, this, &PlaylistWindow::applyColours);
    applyColours();
    selectRow(std::max(0, songs->rowOfSong(playlist.currentIndex())));
    search->setFocus();
}

PlaylistWindow::~PlaylistWindow() = default;

void PlaylistWindow::applyColours() {
    QPalette colours = palette();
    const QColor back = toQColor(context.colours.backColour);
    const QColor text = toQColor(context.colours.textColour);
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base}) {
        colours.setColor(role, back);
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::PlaceholderText}) {
        colours.setColor(role, text);
    }
    setPalette(colours);
    setAutoFillBackground(true);
}

void PlaylistWindow::selectRow(int row) {
    if (row < 0 || row >= songs->rowCount()) {
        list->selectionModel()->clear();
        return;
    }
    const QModelIndex index = songs->index(row);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    list->scrollTo(index);
}

void PlaylistWindow::searchChanged(const QString& text) {
    if (!songs->searching()) {
        songToKeep = songs->songIndexAt(list->currentIndex().row());
    }
    songs->setSearch(text);
}

void PlaylistWindow::searchApplied() {
    selectRow(std::max(0, songs->rowOfSong(songToKeep)));
    if (const auto action = std::exchange(afterSearch, nullptr)) {
        (this->*action)();
    }
}

void PlaylistWindow::whenSearched(void (PlaylistWindow::*action)()) {
    if (songs->searching()) {
        afterSearch = action;  // the keys act on the songs of what was typed
    } else {
        (this->*action)();
    }
}

void PlaylistWindow::playSelected() {
    const uint32_t songIndex = songs->songIndexAt(list->currentIndex().row());
    if (songIndex != PlayList::beyondEnd) {
        playSong(songIndex);
    }
}

void PlaylistWindow::removeSelected() {
    std::vector<uint32_t> removing;
    int firstRow = songs->rowCount();
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes()) {
        removing.push_back(songs->songIndexAt(index.row()));
        firstRow = std::min(firstRow, index.row());
    }
    if (removing.empty()) {
        return;
    }
    songs->playlist().removeSongs(removing);
    songs->songsRemoved(removing);
    selectRow(std::min(firstRow, songs->rowCount() - 1));
}

void PlaylistWindow::showCurrentSong() {
    songs->currentSongChanged();
    const int row = songs->rowOfSong(songs->playlist().currentIndex());
    if (row >= 0) {
        list->scrollTo(songs->index(row));
    }
}

bool PlaylistWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            whenSearched(&PlaylistWindow::playSelected);
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Delete:
            // In the search field Delete edits the text while there is text after the cursor.
            if (watched == search &&
                (search->hasSelectedText() || search->cursorPosition() < search->text().size())) {
                return false;
            }
            whenSearched(&PlaylistWindow::removeSelected);
            return true;
        default:
            if (watched == search && isListKey(key->key())) {
                // Up, Down and the page keys walk the list while typing goes on.
                QKeyEvent copy(key->type(), key->key(), key->modifiers());
                QCoreApplication::sendEvent(list, &copy);
                return true;
            }
            return QWidget::eventFilter(watched, event);
    }
}

void PlaylistWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
