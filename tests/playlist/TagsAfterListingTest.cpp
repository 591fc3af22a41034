#include <gtest/gtest.h>

#include <mutex>

#include "PlaylistTestFiles.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"

namespace {

struct NoView : PlaylistView {
    void playlistChanged() override {}
};

// Songs are listed with their defaults before any tag is read; the tags then fill them in, the
// current song's first, then the songs a view shows, then the others in list order.
TEST(TagsAfterListing, SongsShowTheirDefaultsFirstThenGetTheirTagsInOrder) {
    TestFolder folder;
    for (int i = 0; i < 12; ++i) {
        folder.write(QString("s%1.mp3").arg(i, 2, 10, QChar('0')),
                     mp3WithTag("T" + QByteArray::number(i), "A"));
    }
    PlayList playlist;
    NoView view;
    playlist.addListView(&view);
    playlist.showingSongs(&view, 4, 3);
    playlist.setCurrentIndex(9);

    struct Arrival {
        uint32_t index;
        QString title;
        uint32_t listed;
        QString lastTitle;
    };
    std::mutex arrivalsMutex;
    std::vector<Arrival> arrivals;
    QObject::connect(
        &playlist.events(), &PlayerEvents::songTagged, &playlist.events(),
        [&](uint32_t index, const SongInfo& song) {
            std::lock_guard guard(arrivalsMutex);
            arrivals.push_back(
                {index, song.title, playlist.songCount(), playlist.songAt(11).title});
        },
        Qt::DirectConnection);
    OpenFiles files(playlist);
    files.setUseTags(true);
    files.addPath(folder.dir.path());
    files.waitUntilIdle();

    const std::vector<uint32_t> order = {9, 4, 5, 6, 0, 1, 2, 3, 7, 8, 10, 11};
    ASSERT_EQ(arrivals.size(), order.size());
    EXPECT_EQ(arrivals.front().lastTitle, "s11") << "the last song still shows its file name";
    for (size_t k = 0; k < order.size(); ++k) {
        EXPECT_EQ(arrivals[k].index, order[k]) << k;
        EXPECT_EQ(arrivals[k].title, "T" + QString::number(order[k]));
        EXPECT_EQ(arrivals[k].listed, 12u) << "every song was listed before the first tag";
        EXPECT_EQ(playlist.songAt(order[k]).title, arrivals[k].title);
    }
    playlist.removeListView(&view);
}

// Tags read for a song that moved meanwhile are not put on the song now at its old index.
TEST(TagsAfterListing, TagsOfASongThatMovedAreReadAgainAtItsNewPlace) {
    PlayList playlist;
    playlist.addSongs({{"/m/a.mp3", "N/A", "a"}, {"/m/b.mp3", "N/A", "b"}}, PlayList::Tags::ToRead);
    const auto first = playlist.nextSongToTag();
    ASSERT_TRUE(first && first->index == 0);
    playlist.moveSongs({0}, 2);
    playlist.tagsRead(*first, {"/m/a.mp3", "Artist", "Title of a"});
    EXPECT_EQ(playlist.songAt(0).title, "b");
    EXPECT_EQ(playlist.songAt(1).title, "a");
    const auto again = playlist.nextSongToTag();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->index, 1u) << "the current song, which moved with it";
    EXPECT_EQ(again->song.path, "/m/a.mp3");
}

}  // namespace
