#include <gtest/gtest.h>

#include <QUrl>

#include "PlayerProcess.h"
#include "PlaylistView.h"
#include "SessionBus.h"
#include "XServer.h"
#include "support/Waiting.h"
#include "support/WavFile.h"

namespace {

// One player with two songs, on its own X server and session bus.
class MediaControls : public ::testing::Test {
protected:
    // Starts the player; stopped, once it is on the bus and the worker has added the songs.
    void startStopped(double songSeconds) {
        ASSERT_TRUE(x.isRunning());
        ASSERT_TRUE(bus.isRunning()) << "dbus-daemon did not start";
        first = player.home() + "/first.wav";
        second = player.home() + "/second.wav";
        ASSERT_TRUE(writeToneWav(first, songSeconds));
        ASSERT_TRUE(writeToneWav(second, songSeconds));
        player.setVariable("DBUS_SESSION_BUS_ADDRESS", bus.address());
        player.start({first, second});
        ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000));
        ASSERT_TRUE(waitFor([this] { return playerctl({"status"}) == "Stopped"; }))
            << "the player is not on the bus";
        ASSERT_TRUE(PlaylistView::waitForLines(x, 2));
    }

    // ... and playing the first song.
    void startPlaying(double songSeconds) {
        ASSERT_NO_FATAL_FAILURE(startStopped(songSeconds));
        ASSERT_TRUE(waitFor([this] {
            playerctl({"play"});
            return playerctl({"status"}) == "Playing";
        }));
    }

    QString playerctl(QStringList arguments) {
        return bus.run("playerctl", QStringList{"--player=veskplayer"} + arguments);
    }

    XServer x;
    SessionBus bus;
    PlayerProcess player{x.displayName()};
    QString first, second;
};

}  // namespace

TEST_F(MediaControls, PlayerctlControlsThePlayerAndReadsItBack) {
    startPlaying(5.0);
    ASSERT_TRUE(waitFor([this] { return playerctl({"metadata", "xesam:title"}) == "first"; }));
    EXPECT_EQ(playerctl({"metadata", "xesam:url"}), QUrl::fromLocalFile(first).toString());
    EXPECT_EQ(playerctl({"metadata", "mpris:length"}), "5000000");

    playerctl({"pause"});
    EXPECT_EQ(playerctl({"status"}), "Paused");
    playerctl({"next"});
    EXPECT_TRUE(waitFor([this] { return playerctl({"metadata", "xesam:title"}) == "second"; }));
    EXPECT_EQ(playerctl({"status"}), "Playing");

    playerctl({"volume", "0.4"});
    EXPECT_DOUBLE_EQ(playerctl({"volume"}).toDouble(), 0.4);
    playerctl({"shuffle", "On"});
    EXPECT_EQ(playerctl({"shuffle"}), "On");
    playerctl({"loop", "Playlist"});
    EXPECT_EQ(playerctl({"loop"}), "Playlist");

    // Quit saves like the close button: the new volume is in the player state file.
    playerctl({"stop"});
    EXPECT_EQ(playerctl({"status"}), "Stopped");
    EXPECT_FALSE(bus.run("dbus-send",
                         {"--session", "--print-reply", "--dest=org.mpris.MediaPlayer2.veskplayer",
                          "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2.Quit"})
                     .isNull());
    ASSERT_TRUE(player.waitForExit(20000));
    EXPECT_FALSE(player.output().contains("pressed")) << "commands from the bus are quiet";
    QFile state(player.dataFolder() + "/sfo.1");
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_TRUE(state.readAll().contains("-volume\r\n40\r\n")) << "volume 40 saved";
}

TEST_F(MediaControls, ASongEndingOnItsOwnAnnouncesTheNextSong) {
    QProcess monitor;
    bus.start(monitor, "dbus-monitor",
              {"type='signal',interface='org.freedesktop.DBus.Properties',"
               "member='PropertiesChanged'"});
    startPlaying(0.5);
    QByteArray seen;
    EXPECT_TRUE(waitFor([&] {
        seen += monitor.readAllStandardOutput();
        monitor.waitForReadyRead(10);
        return seen.contains("xesam:title") && seen.contains("\"second\"");
    })) << seen.toStdString();
    EXPECT_TRUE(seen.contains("Metadata"));
    monitor.terminate();
    monitor.waitForFinished(5000);
}

TEST_F(MediaControls, OpenUriAppendsTheSongAndPlaysIt) {
    startPlaying(5.0);
    const QString third = player.home() + "/third.wav";
    ASSERT_TRUE(writeToneWav(third, 5.0));
    playerctl({"open", QUrl::fromLocalFile(third).toString()});
    EXPECT_TRUE(waitFor([this] { return playerctl({"metadata", "xesam:title"}) == "third"; }));
    EXPECT_EQ(playerctl({"status"}), "Playing");
    playerctl({"previous"});
    EXPECT_TRUE(waitFor([this] {
        return playerctl({"metadata", "xesam:title"}) == "second";
    })) << "appended after the songs there";
}

// The list runs out: stopped, every play button shows play again, and one click on it starts
// the first song again.
TEST_F(MediaControls, AtTheEndOfTheListThePlayButtonStartsTheFirstSongAgain) {
    const QRect playButton(15, 0, 20, 20);  // the default skin's, the window at 0, 0
    // Clicks the button and moves the pointer off it, so that no tooltip covers the picture.
    const auto clickPlay = [&] {
        return x.click(playButton.center().x(), playButton.center().y()) &&
               x.xdotool({"mousemove", "270", "200"});
    };
    ASSERT_NO_FATAL_FAILURE(startStopped(1.0));
    const QImage playPicture = x.grab(playButton);
    ASSERT_TRUE(clickPlay());
    ASSERT_TRUE(waitFor([this] { return playerctl({"status"}) == "Playing"; }));
    ASSERT_TRUE(waitFor([&] { return x.grab(playButton) != playPicture; }))
        << "the pause picture while playing";
    ASSERT_TRUE(waitFor([this] { return playerctl({"metadata", "xesam:title"}) == "second"; }));

    ASSERT_TRUE(waitFor([this] { return playerctl({"status"}) == "Stopped"; }));
    EXPECT_TRUE(waitFor([&] { return x.grab(playButton) == playPicture; }));

    ASSERT_TRUE(clickPlay());
    EXPECT_TRUE(waitFor([this] { return playerctl({"status"}) == "Playing"; }));
    EXPECT_TRUE(waitFor([this] { return playerctl({"metadata", "xesam:title"}) == "first"; }));
    EXPECT_TRUE(waitFor([&] { return x.grab(playButton) != playPicture; }));
}
