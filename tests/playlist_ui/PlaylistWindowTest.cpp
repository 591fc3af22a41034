#include <gtest/gtest.h>
#include <QKeySequence>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <memory>
#include "common/SkinContext.h"
#include "playlist/PlayList.h"
#include "playlist_ui/PlaylistModel.h"
#include "playlist_ui/PlaylistWindow.h"

namespace {
// What the user does, step by step ("|" between steps): text typed in the search field, "@key"
// pressed there ("@Shift+Down*2": twice), or "^row": the selection dragged onto the row.
struct WindowCase {
    const char* name;
    QString steps;
    std::vector<uint32_t> played;
    QString shownTitles;   // the rows, joined by spaces; "*" for the whole list
    QString playlistHead;  // the first titles of the playlist afterwards
    uint32_t songsLeft = 30;
    bool stillOpen = true;
};

// Songs S01 to S30 at index 0 to 29 of files "track01.mp3" ...; the odd indexes are by "Beta",
// the even ones by no known artist.
const WindowCase cases[] = {
    {"DownFourTimesAndEnterPlaysTheFifth", "@Down*4|@Return", {4}, "*", "S01 S02"},
    {"TypingNarrowsAndEnterPlaysTheMatch", "s2|7|@Enter", {26}, "S27", "S01"},
    {"EveryWordInSomeFieldAnyCase", "BETA s1", {}, "S10 S12 S14 S16 S18", "S01"},
    {"ThePathIsSearchedToo", "TRACK07", {}, "S07", "S01"},
    {"DeleteRemovesTheSelectedSong", "s27|@Delete", {}, "", "S01", 29},
    {"DeleteEditsTheSearchTextBeforeTheCursor", "s27|@Home|@Delete", {}, "S27", "S01"},
    {"DeleteOfSeveralRowsKeepsTheRest", "@Down|@Shift+Down*2|@Delete", {}, "*", "S01 S05", 27},
    {"DraggingRowsReordersThePlaylist", "@Down|^4", {}, "*", "S01 S03 S04 S02 S05"},
    {"DraggingBelowTheLastRowMovesToTheEnd", "^30", {}, "*", "S02 S03"},
    {"EscapeCloses", "@Escape", {}, "*", "S01", 30, false},
};

class PlaylistWindowTest : public ::testing::TestWithParam<WindowCase> {
protected:
    void SetUp() override {
        for (int i = 1; i <= 30; ++i) {
            const QString number = QString::number(i).rightJustified(2, u'0');
            playlist.addSong(
                {"/music/track" + number + ".mp3", i % 2 == 0 ? "Beta" : "N/A", "S" + number});
        }
        window = new PlaylistWindow(
            playlist, context, [this](uint32_t index) { played.push_back(index); }, &owner);
        window->show();
    }
    void run(const QString& step) {
        SongListView* list = window->songList();
        if (step.startsWith('@')) {
            const QKeyCombination key = QKeySequence::fromString(step.mid(1).section('*', 0, 0))[0];
            for (int i = 0; i < std::max(1, step.section('*', 1).toInt()); ++i) {
                QTest::keyClick(window->searchField(), key.key(), key.keyboardModifiers());
            }
        } else if (step.startsWith('^')) {
            std::unique_ptr<QMimeData> data(
                window->model()->mimeData(list->selectionModel()->selectedIndexes()));
            const QModelIndex target = window->model()->index(step.mid(1).toInt());
            list->dropSongsAt(data.get(), target.isValid()
                                              ? list->visualRect(target).topLeft() + QPoint(2, 1)
                                              : QPoint(2, list->viewport()->height() - 1));
        } else {
            QTest::keyClicks(window->searchField(), step);
        }
        // Searches run beside the window; Enter and Delete wait for the one typed.
        for (int waits = 0; waits < 10000 && window->model()->searching(); ++waits) {
            QTest::qWait(1);
        }
    }
    PlayList playlist;
    SkinContext context;
    QWidget owner;
    PlaylistWindow* window = nullptr;  // owned by `owner`
    std::vector<uint32_t> played;
};

TEST_P(PlaylistWindowTest, FindsPlaysRemovesAndReordersSongs) {
    const WindowCase& c = GetParam();
    for (const QString& step : c.steps.split('|')) {
        run(step);
    }
    EXPECT_EQ(played, c.played);
    QStringList shown, everything;
    for (int row = 0; row < window->model()->rowCount(); ++row) {
        shown.append(window->model()->index(row).data().toString());
    }
    for (const SongInfo& song : playlist.songs(0, playlist.songCount())) {
        everything.append(song.title);
    }
    EXPECT_EQ(shown.join(' ').toStdString(),
              (c.shownTitles == "*" ? everything.join(' ') : c.shownTitles).toStdString());
    EXPECT_TRUE(everything.join(' ').startsWith(c.playlistHead))
        << everything.join(' ').toStdString();
    EXPECT_EQ(playlist.songCount(), c.songsLeft);
    EXPECT_EQ(window->isVisible(), c.stillOpen);
}

INSTANTIATE_TEST_SUITE_P(Gestures, PlaylistWindowTest, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlaylistWindowTest, MarksTheCurrentSongShowsNoUnknownArtistAndFollowsTheColours) {
    PlaylistModel& model = *window->model();
    EXPECT_TRUE(model.index(0).data(PlaylistModel::IsCurrentRole).toBool());
    EXPECT_EQ(model.index(0).data(PlaylistModel::ArtistRole).toString(), "");
    EXPECT_EQ(model.index(1).data(PlaylistModel::ArtistRole).toString(), "Beta");
    window->resize(300, 120);  // a few rows in view
    playlist.setCurrentIndex(28);
    emit playlist.events().songChanged(playlist.songAt(28));
    EXPECT_TRUE(model.index(28).data(PlaylistModel::IsCurrentRole).toBool());
    EXPECT_FALSE(model.index(0).data(PlaylistModel::IsCurrentRole).toBool());
    const QRect viewport = window->songList()->viewport()->rect();
    EXPECT_TRUE(viewport.intersects(window->songList()->visualRect(model.index(28))));
    context.colours.backColour = 0x00112233;
    context.notifyChanged();
    EXPECT_EQ(window->palette().color(QPalette::Base), QColor(0x33, 0x22, 0x11));
    // Songs added later appear, and the selection stays.
    QTest::keyClick(window->searchField(), Qt::Key_Down);
    playlist.addSong({"/music/late.mp3", "N/A", "Late"});
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(model.rowCount(), 31);
    EXPECT_EQ(window->songList()->currentIndex().row(), 1);
}
}  // namespace
