// The running player driven from the desktop's media controls (playerctl on a session bus)
// and from its playlist window, the way a user mixes them.
#include <gtest/gtest.h>

#include <QProcess>
#include <QUrl>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/Files.h"
#include "support/Waiting.h"
#include "support/WavFile.h"

TEST(MediaControls, PlayerctlThePlaylistWindowAndThePlayButtonDriveOnePlayer) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    // A private session bus, for this test's programs and the tools started here.
    QProcess& daemon = x.startProgram("dbus-daemon", {"--session", "--nofork", "--print-address"});
    QByteArray bus;
    ASSERT_TRUE(waitFor([&] {
        daemon.waitForReadyRead(100);
        return (bus += daemon.readAllStandardOutput()).contains('\n');
    })) << "dbus-daemon did not start";
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.trimmed());
    // A tool run to its end: its standard output, trimmed, or a null string when it failed.
    const auto run = [](const QString& program, const QStringList& arguments) {
        QProcess tool;
        tool.start(program, arguments);
        return tool.waitForFinished(10000) && tool.exitCode() == 0
                   ? QString::fromUtf8(tool.readAllStandardOutput().trimmed())
                   : QString();
    };
    PlayerProcess player(x.displayName());
    QStringList songs;  // "s01" to "s30", played and found by those titles
    for (int i = 1; i <= 30; ++i) {
        songs.append(player.home() + QString("/s%1.wav").arg(i, 2, 10, QChar('0')));
        ASSERT_TRUE(writeToneWav(songs.back(), 8.0));
    }
    const auto playerctl = [&](const QStringList& arguments) {
        return run("playerctl", QStringList{"--player=veskplayer"} + arguments);
    };
    const auto reads = [&](const QStringList& question, const QString& answer) {
        return waitFor([&] { return playerctl(question) == answer; });
    };
    const auto titleIs = [&](const QString& title) {
        return reads({"metadata", "xesam:title"}, title);
    };
    const auto statusIs = [&](const QString& status) { return reads({"status"}, status); };
    QProcess& monitor =
        x.startProgram("dbus-monitor", {"type='signal',interface='org.freedesktop.DBus.Properties',"
                                        "member='PropertiesChanged'"});
    player.setVariable("DBUS_SESSION_BUS_ADDRESS", bus.trimmed());
    player.start(songs);
    ASSERT_TRUE(x.waitForWindow("Vesk Player")) << player.output().toStdString();
    ASSERT_TRUE(statusIs("Stopped")) << "the player is not on the bus";
    ASSERT_TRUE(x.waitForPlaylistLines(2)) << "the worker adds the songs in the background";
    // The default skin's play button (the window at 0, 0), clicked with the pointer moved off
    // it afterwards, so that no tooltip covers its picture.
    const QRect playButton(15, 0, 20, 20);
    const auto clickPlay = [&] {
        return x.click(playButton.center()) && x.xdotool({"mousemove", "270", "200"});
    };
    const QImage playPicture = x.grab(playButton);
    ASSERT_TRUE(clickPlay());
    ASSERT_TRUE(statusIs("Playing"));
    EXPECT_TRUE(waitFor([&] { return x.grab(playButton) != playPicture; })) << "pause picture";
    EXPECT_TRUE(titleIs("s01"));
    EXPECT_EQ(playerctl({"metadata", "xesam:url"}), QUrl::fromLocalFile(songs[0]).toString());
    EXPECT_EQ(playerctl({"metadata", "mpris:length"}), "8000000");
    // A song ending on its own (sought to its last 0.2 s) announces the next one.
    playerctl({"position", "7.8"});
    QByteArray seen;
    EXPECT_TRUE(waitFor(
        [&] {
            seen += monitor.readAllStandardOutput();
            monitor.waitForReadyRead(10);
            return seen.contains("xesam:title") && seen.contains("\"s02\"");
        },
        3000))
        << seen.toStdString();
    EXPECT_TRUE(seen.contains("Metadata"));
    playerctl({"pause"});
    EXPECT_EQ(playerctl({"status"}), "Paused");
    playerctl({"next"});
    EXPECT_TRUE(titleIs("s03"));
    EXPECT_EQ(playerctl({"status"}), "Playing");
    // The playlist window opens on the song playing: four rows down and Enter plays that one;
    // typing finds songs by their title; Delete takes one out of the list.
    PlayerProcess opener(x.displayName(), player.home());
    opener.start({"--playlist"});
    ASSERT_TRUE(opener.waitForExit(10000));
    const Window list = x.waitForWindow("Playlist");
    ASSERT_NE(list, 0u) << player.output().toStdString();
    ASSERT_TRUE(x.keysInto(list, {"Down", "Down", "Down", "Down", "Return"}));
    EXPECT_TRUE(titleIs("s07"));
    ASSERT_TRUE(x.xdotool({"type", "--delay", "50", "s2"}));
    ASSERT_TRUE(x.xdotool({"type", "--delay", "50", "7"}));
    ASSERT_TRUE(x.xdotool({"key", "Return"}));
    EXPECT_TRUE(titleIs("s27"));
    ASSERT_TRUE(x.xdotool({"key", "Delete"}));
    ASSERT_TRUE(x.xdotool({"key", "ctrl+a", "type", "--delay", "50", "s30"}));
    ASSERT_TRUE(x.xdotool({"key", "Return"}));
    ASSERT_TRUE(titleIs("s30"));
    x.sendDeleteWindow(list);
    // The list runs out: stopped, the play button shows play again, and a click on it starts
    // the first song again.
    playerctl({"position", "7.8"});
    ASSERT_TRUE(waitFor([&] { return playerctl({"status"}) == "Stopped"; }, 3000));
    EXPECT_TRUE(waitFor([&] { return x.grab(playButton) == playPicture; }));
    ASSERT_TRUE(clickPlay());
    EXPECT_TRUE(statusIs("Playing"));
    EXPECT_TRUE(titleIs("s01"));
    EXPECT_TRUE(waitFor([&] { return x.grab(playButton) != playPicture; }));
    // OpenUri appends the song and plays it.
    const QString third = player.home() + "/third.wav";
    ASSERT_TRUE(writeToneWav(third, 5.0));
    playerctl({"open", QUrl::fromLocalFile(third).toString()});
    EXPECT_TRUE(titleIs("third"));
    EXPECT_EQ(playerctl({"status"}), "Playing");
    playerctl({"previous"});
    EXPECT_TRUE(titleIs("s30")) << "appended after the songs there";
    playerctl({"volume", "0.4"});
    EXPECT_DOUBLE_EQ(playerctl({"volume"}).toDouble(), 0.4);
    playerctl({"shuffle", "On"});
    EXPECT_EQ(playerctl({"shuffle"}), "On");
    playerctl({"loop", "Playlist"});
    EXPECT_EQ(playerctl({"loop"}), "Playlist");
    playerctl({"stop"});
    EXPECT_EQ(playerctl({"status"}), "Stopped");
    // Quit saves like the close button.
    EXPECT_FALSE(
        run("dbus-send", {"--session", "--print-reply", "--dest=org.mpris.MediaPlayer2.veskplayer",
                          "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2.Quit"})
            .isNull());
    ASSERT_TRUE(player.waitForExit(20000));
    EXPECT_EQ(player.output().count("pressed"), 2)
        << "the two clicks; commands from the bus are quiet";
    EXPECT_TRUE(readFile(player.dataFolder() + "/sfo.1").contains("-volume\r\n40\r\n"));
    const QByteArray playlist = readFile(player.dataFolder() + "/playlist.vpl");
    EXPECT_TRUE(playlist.contains("s26.wav") && playlist.contains("third.wav"));
    EXPECT_FALSE(playlist.contains("s27.wav")) << "the deleted song is gone";
}
