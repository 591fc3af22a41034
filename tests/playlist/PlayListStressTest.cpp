// The worker appends while another thread plays, skips and switches shuffle and a view repaints:
// run under ThreadSanitizer, this shows the playlist's sharing is serialised.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <thread>

#include "PlaylistTestFiles.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "support/ScriptedPrompts.h"

namespace {

class CountingView : public PlaylistView {
public:
    void playlistChanged() override { ++changes; }
    int changes = 0;
};

TEST(PlayListStress, AddingTenThousandSongsWhilePlayingAndSkipping) {
    constexpr int songCount = 10000;
    TestFolder folder;
    const QString song = folder.write("real.wav");  // one existing file under many names
    PlayList playlist;
    ScriptedPrompts prompts;  // missing songs are answered No
    CountingView view;
    playlist.addListView(&view);
    OpenFiles files(playlist);

    std::atomic<bool> adding = true;
    std::thread player([&] {
        SongInfo out;
        int steps = 0;
        while (adding) {
            playlist.next(out);
            playlist.previous(out);
            if (++steps % 50 == 0) {
                playlist.setShuffle(!playlist.shuffle());
                playlist.setRepeat(!playlist.repeat());
                playlist.setCurrentIndex(playlist.songCount() / 2);
            }
            playlist.songs(playlist.currentIndex(), 20);
        }
    });
    for (int i = 0; i < songCount; ++i) {
        files.addPath(i % 100 == 0 ? song : folder.path(QString("missing %1.wav").arg(i)));
        if (i % 500 == 0) {
            QCoreApplication::sendPostedEvents();
        }
    }
    files.waitUntilIdle();
    adding = false;
    player.join();
    QCoreApplication::sendPostedEvents();

    EXPECT_EQ(playlist.songCount(), uint32_t{songCount});
    EXPECT_EQ(playlist.songAt(0).path, song);
    EXPECT_GE(view.changes, 1);
    EXPECT_LT(view.changes, songCount / 10);
    playlist.removeListView(&view);
}

}  // namespace
