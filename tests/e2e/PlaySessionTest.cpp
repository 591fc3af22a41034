#include <gtest/gtest.h>

#include <QFile>
#include <QPoint>

#include "PlayerProcess.h"
#include "PlaylistView.h"
#include "XServer.h"
#include "support/Files.h"
#include "support/WavFile.h"

namespace {

// Where the default skin puts its buttons (the window stands at 0, 0).
const QPoint playButton(25, 10);
const QPoint muteButton(235, 15);
const QPoint shuffleButton(130, 5);
const QPoint repeatButton(130, 15);
const QPoint closeButton(5, 5);

}  // namespace

TEST(PlaySession, ButtonsPlayAndTheStateComesBackAfterARestart) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    PlayerProcess player(x.displayName());
    const QString first = player.home() + "/first song.wav";
    const QString second = player.home() + "/second.wav";
    ASSERT_TRUE(writeToneWav(first, 2.0));
    ASSERT_TRUE(writeToneWav(second, 2.0));

    player.start({first, second});
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000)) << player.output().toStdString();
    // The worker adds the files in the background; play once they are there.
    ASSERT_TRUE(PlaylistView::waitForLines(x, 2));
    for (QPoint button : {playButton, muteButton, shuffleButton, repeatButton}) {
        ASSERT_TRUE(x.click(button.x(), button.y()));
    }
    ASSERT_TRUE(player.waitForOutput("repeat pressed\n")) << player.output().toStdString();
    ASSERT_TRUE(x.click(closeButton.x(), closeButton.y()));
    ASSERT_TRUE(player.waitForExit(20000));
    EXPECT_EQ(player.exitCode(), 0);

    const QString output = player.output();
    EXPECT_TRUE(
        output.contains("play pressed\nmute pressed\nshuffle pressed\nrepeat pressed\n"
                        "close pressed\n"))
        << output.toStdString();
    const QByteArray state = readFile(player.dataFolder() + "/sfo.1");
    EXPECT_TRUE(state.contains("-mute\r\n1\r\n-rep\r\n1\r\n-shuf\r\n1")) << state.toStdString();
    const QByteArray playlist = readFile(player.dataFolder() + "/playlist.vpl");
    EXPECT_TRUE(playlist.contains(first.toUtf8()) && playlist.contains(second.toUtf8()))
        << playlist.toStdString();

    // A bare start brings everything back: the restore replays the three buttons.
    PlayerProcess again(x.displayName(), player.home());
    again.start();
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000));
    ASSERT_TRUE(again.waitForOutput("shuffle pressed\n")) << again.output().toStdString();
    // The worker reopens the last playlist in the background.
    ASSERT_TRUE(PlaylistView::waitForLines(x, 2));
    EXPECT_TRUE(again.output().startsWith("mute pressed\nrepeat pressed\nshuffle pressed\n"))
        << again.output().toStdString();
    x.sendDeleteWindow(x.windowsTitled("Vesk Player").front());
    ASSERT_TRUE(again.waitForExit(20000));
    const QByteArray restored = readFile(again.dataFolder() + "/sfo.1");
    EXPECT_TRUE(restored.contains("-mute\r\n1\r\n-rep\r\n1\r\n-shuf\r\n1"))
        << restored.toStdString();
    const QByteArray reopened = readFile(again.dataFolder() + "/playlist.vpl");
    EXPECT_TRUE(reopened.contains(first.toUtf8()) && reopened.contains(second.toUtf8()));
}
