#pragma once

#include <QListView>
#include <QWidget>
#include <cstdint>
#include <functional>

class PlayList;
class PlaylistModel;
class QLineEdit;
class SkinContext;

// The list of the playlist window: rows dragged within it move their songs.
class SongListView : public QListView {
    Q_OBJECT

public:
    explicit SongListView(QWidget* parent = nullptr);

    // Moves the songs of the drag to stand before the row under the point (the end below the
    // last row); the hook the drop runs, callable directly.
    void dropSongsAt(const QMimeData* data, QPoint viewportPoint);

signals:
    void songsMoved(uint32_t firstSongIndex, int count);

protected:
    // Also tells the model which rows are in view.
    void paintEvent(QPaintEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// A window beside the skin to find, play, remove and reorder songs: a search field over the
// matching songs (title and artist), the current song marked and kept in view. Enter or a double
// click plays the selected song, Delete removes the selected songs (both wait for a search still
// running), dragging rows reorders them, Escape closes. It is owned by (and stays above) the skin
// window it was opened from, takes the keyboard focus, and shows the background and text colours of
// the options.
class PlaylistWindow : public QWidget {
    Q_OBJECT

public:
    using PlaySong = std::function<void(uint32_t songIndex)>;

    PlaylistWindow(PlayList& playlist, const SkinContext& context, PlaySong playSong,
                   QWidget* owner);
    ~PlaylistWindow() override;

    QLineEdit* searchField() const { return search; }
    SongListView* songList() const { return list; }
    PlaylistModel* model() const { return songs; }

    // What Enter, Delete and the current song's change do.
    void playSelected();
    void removeSelected();
    void showCurrentSong();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyColours();
    void selectRow(int row);
    void searchChanged(const QString& text);
    void searchApplied();
    // Runs the action now, or once the search typed is shown.
    void whenSearched(void (PlaylistWindow::*action)());

    const SkinContext& context;
    PlaySong playSong;
    PlaylistModel* songs;
    QLineEdit* search;
    SongListView* list;
    // The song selected before the search changed, selected again when it is among the rows.
    uint32_t songToKeep = 0;
    void (PlaylistWindow::*afterSearch)() = nullptr;
};
