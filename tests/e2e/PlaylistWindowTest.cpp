#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <functional>

#include "PlayerProcess.h"
#include "SessionBus.h"
#include "XServer.h"
#include "support/Waiting.h"
#include "support/WavFile.h"

namespace {

// Songs of 20 seconds, "track01.mp3" to "track30.mp3", each with an ID3v2 tag titled S01 ...
// S30 (and no other tag), made by lame.
QStringList makeTaggedSongs(const QString& folder) {
    const QString tone = folder + "/tone.wav";
    if (!writeToneWav(tone, 20.0)) {
        return {};
    }
    QStringList songs;
    for (int i = 1; i <= 30; ++i) {
        const QString number = QString::number(i).rightJustified(2, u'0');
        const QString song = folder + "/track" + number + ".mp3";
        QProcess lame;
        lame.start("lame",
                   {"--quiet", "--id3v2-only", "--tt", "S" + number, "--ta", "Band", tone, song});
        if (!lame.waitForFinished(20000) || lame.exitCode() != 0) {
            return {};
        }
        songs.append(song);
    }
    return songs;
}

}  // namespace

TEST(PlaylistWindow, FindsPlaysAndRemovesSongsOfTheRunningPlayer) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    SessionBus bus;
    ASSERT_TRUE(bus.isRunning()) << "dbus-daemon did not start";
    PlayerProcess player(x.displayName());
    ASSERT_TRUE(QDir().mkpath(player.home() + "/music"));
    const QStringList songs = makeTaggedSongs(player.home() + "/music");
    ASSERT_EQ(songs.size(), 30) << "lame could not make the songs";
    player.setVariable("DBUS_SESSION_BUS_ADDRESS", bus.address());
    player.start(songs);
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000)) << player.output().toStdString();

    auto title = [&bus] {
        return bus.run("playerctl", {"--player=veskplayer", "metadata", "xesam:title"});
    };
    ASSERT_TRUE(waitFor([&] {
        bus.run("playerctl", {"--player=veskplayer", "play"});
        return title() == "S01";
    })) << "the first song plays with its ID3v2 title";

    PlayerProcess second(x.displayName(), player.home());
    second.start({"--playlist"});
    ASSERT_TRUE(second.waitForExit(10000));
    ASSERT_TRUE(x.waitForMappedWindows("Playlist", 1, 10000)) << player.output().toStdString();
    const QString window = QString::number(x.windowsTitled("Playlist").front());
    ASSERT_TRUE(x.xdotool({"windowfocus", "--sync", window}));

    ASSERT_TRUE(x.xdotool({"key", "--delay", "50", "Down", "Down", "Down", "Down", "Return"}));
    EXPECT_TRUE(waitFor([&] { return title() == "S05"; })) << title().toStdString();

    ASSERT_TRUE(x.xdotool({"type", "--delay", "50", "s2"}));
    ASSERT_TRUE(x.xdotool({"type", "--delay", "50", "7"}));
    ASSERT_TRUE(x.xdotool({"key", "Return"}));
    EXPECT_TRUE(waitFor([&] { return title() == "S27"; })) << title().toStdString();

    ASSERT_TRUE(x.xdotool({"key", "Delete"}));
    // Quitting saves the playlist like the close button.
    QThread::msleep(200);
    EXPECT_FALSE(bus.run("dbus-send",
                         {"--session", "--print-reply", "--dest=org.mpris.MediaPlayer2.veskplayer",
                          "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2.Quit"})
                     .isNull());
    ASSERT_TRUE(player.waitForExit(20000));
    QFile saved(player.dataFolder() + "/playlist.vpl");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    EXPECT_EQ(lines.size(), 30) << "the header and 29 songs";
    for (const QByteArray& line : lines) {
        EXPECT_FALSE(line.contains("track27")) << "the deleted song is gone";
    }
}
