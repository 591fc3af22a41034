#include "playlist_ui/PlaylistWindow.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <memory>

#include "common/SkinContext.h"
#include "playlist/PlayList.h"
#include "playlist_ui/PlaylistModel.h"

namespace {

// One step of what the user does in the window.
struct Step {
    enum Kind { Type, Key, DropSelectionAt } kind;
    QString text = {};
    Qt::Key key = Qt::Key_unknown;
    int row = 0;
};

Step type(const QString& text) {
    return {Step::Type, text};
}
Step key(Qt::Key key, int times = 1) {
    return {Step::Key, {}, key, times};
}
Step dropAt(int row) {
    return {Step::DropSelectionAt, {}, Qt::Key_unknown, row};
}

struct WindowCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<uint32_t> played;
    QString shownTitles;   // the rows, joined by spaces; "*" for the whole list unchanged
    QString playlistHead;  // the first titles of the playlist afterwards
    uint32_t songsLeft;
    bool stillOpen;
};

void PrintTo(const WindowCase& row, std::ostream* out) {
    *out << row.name;
}

// Songs S01 to S30 at index 0 to 29 of files "track01.mp3" ...; the odd indexes are by "Beta",
// the even ones by no known artist.
const WindowCase cases[] = {
    {"DownFourTimesAndEnterPlaysTheFifth",
     {key(Qt::Key_Down, 4), key(Qt::Key_Return)},
     {4},
     "*",
     "S01 S02",
     30,
     true},
    {"TypingNarrowsAndEnterPlaysTheMatch",
     {type("s2"), type("7"), key(Qt::Key_Enter)},
     {26},
     "S27",
     "S01",
     30,
     true},
    {"EveryWordInSomeFieldAnyCase", {type("BETA s1")}, {}, "S10 S12 S14 S16 S18", "S01", 30, true},
    {"ThePathIsSearchedToo", {type("TRACK07")}, {}, "S07", "S01", 30, true},
    {"DeleteRemovesTheSelectedSong", {type("s27"), key(Qt::Key_Delete)}, {}, "", "S01", 29, true},
    {"DeleteEditsTheSearchTextBeforeTheCursor",
     {type("s27"), key(Qt::Key_Home), key(Qt::Key_Delete)},
     {},
     "S27",
     "S01",
     30,
     true},
    {"DeleteOfSeveralRowsKeepsTheRest",
     {key(Qt::Key_Down), {Step::Key, {}, Qt::Key_Down, 2}, key(Qt::Key_Delete)},
     {},
     "*",
     "S01 S05",
     27,
     true},
    {"DraggingRowsReordersThePlaylist",
     {key(Qt::Key_Down), dropAt(4)},
     {},
     "*",
     "S01 S03 S04 S02 S05",
     30,
     true},
    {"DraggingBelowTheLastRowMovesToTheEnd", {dropAt(30)}, {}, "*", "S02 S03", 30, true},
    {"EscapeCloses", {key(Qt::Key_Escape)}, {}, "*", "S01", 30, false},
};

class PlaylistWindowTest : public ::testing::TestWithParam<WindowCase> {
protected:
    void SetUp() override {
        std::vector<SongInfo> songs;
        for (int i = 1; i <= 30; ++i) {
            const QString number = QString::number(i).rightJustified(2, u'0');
            songs.push_back(
                {"/music/track" + number + ".mp3", i % 2 == 0 ? "Beta" : "N/A", "S" + number});
        }
        playlist.addSongs(songs);
        window = new PlaylistWindow(
            playlist, context, [this](uint32_t index) { played.push_back(index); }, &owner);
        window->show();
    }

    QString shownTitles() const {
        QStringList titles;
        for (int row = 0; row < window->model()->rowCount(); ++row) {
            titles.append(window->model()->index(row).data().toString());
        }
        return titles.join(u' ');
    }

    void run(const Step& step) {
        QLineEdit* field = window->searchField();
        switch (step.kind) {
            case Step::Type:
                QTest::keyClicks(field, step.text);
                break;
            case Step::Key:
                // A row number doubles as the count of presses; Shift+Down extends the selection.
                for (int i = 0; i < std::max(1, step.row); ++i) {
                    QTest::keyClick(field, step.key,
                                    step.row > 1 && step.key == Qt::Key_Down ? Qt::ShiftModifier
                                                                             : Qt::NoModifier);
                }
                break;
            case Step::DropSelectionAt: {
                SongListView* list = window->songList();
                std::unique_ptr<QMimeData> data(
                    window->model()->mimeData(list->selectionModel()->selectedIndexes()));
                const QModelIndex target = window->model()->index(step.row);
                const QPoint point = target.isValid()
                                         ? list->visualRect(target).topLeft() + QPoint(2, 1)
                                         : QPoint(2, list->viewport()->height() - 1);
                list->dropSongsAt(data.get(), point);
                break;
            }
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
    const WindowCase& row = GetParam();
    for (const Step& step : row.steps) {
        run(step);
    }
    EXPECT_EQ(played, row.played);
    const QString everything = [this] {
        QStringList titles;
        for (const SongInfo& song : playlist.songs(0, playlist.songCount())) {
            titles.append(song.title);
        }
        return titles.join(u' ');
    }();
    EXPECT_EQ(shownTitles(), row.shownTitles == "*" ? everything : row.shownTitles);
    EXPECT_TRUE(everything.startsWith(row.playlistHead)) << everything.toStdString();
    EXPECT_EQ(playlist.songCount(), row.songsLeft);
    EXPECT_EQ(window->isVisible(), row.stillOpen);
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
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->parentWidget(), &owner);
}

TEST_F(PlaylistWindowTest, SongsAddedLaterAppearAndKeepTheSelection) {
    QTest::keyClick(window->searchField(), Qt::Key_Down);
    playlist.addSong({"/music/late.mp3", "N/A", "Late"});
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window->model()->rowCount(), 31);
    EXPECT_EQ(window->songList()->currentIndex().row(), 1);
}

}  // namespace
