#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cstring>

#include "PlayerProcess.h"
#include "PlaylistView.h"
#include "XServer.h"
#include "support/Files.h"
#include "support/WavFile.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString title = "Vesk Player";

// A socket on the running copy's address: connected and then left with the bytes, or (without
// a connection) bound and dropped the way a crashed copy leaves it.
int socketAt(const QString& path, bool connectToIt) {
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::memcpy(address.sun_path, bytes.constData(), bytes.size());
    const auto* raw = reinterpret_cast<sockaddr*>(&address);
    const int result =
        connectToIt ? ::connect(socket, raw, sizeof address) : ::bind(socket, raw, sizeof address);
    if (result != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

QString socketPathOf(const PlayerProcess& player) {
    return player.runtimeFolder() + "/veskplayer/instance";
}

// The songs of the saved playlist are where they are named, in this order.
bool savedInOrder(const QByteArray& playlist, const QStringList& songs) {
    qsizetype at = 0;
    for (const QString& song : songs) {
        at = playlist.indexOf(song.toUtf8(), at);
        if (at < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

TEST(SingleCopy, ASecondStartHandsItsFilesToTheRunningPlayerAndEnds) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    PlayerProcess first(x.displayName());
    QStringList songs;
    for (const char* name : {"a one.wav", "b.wav", "c three.wav", "d.wav"}) {
        songs.append(first.home() + "/" + name);
        ASSERT_TRUE(writeToneWav(songs.back(), 0.5));
    }
    first.start({songs[0], songs[1]});
    ASSERT_TRUE(x.waitForMappedWindows(title, 1, 20000)) << first.output().toStdString();

    // Garbage first: the player drops it and still listens.
    const int garbage = socketAt(socketPathOf(first), true);
    ASSERT_GE(garbage, 0);
    ASSERT_EQ(::send(garbage, "\x7f junk\0E\0", 9, MSG_NOSIGNAL), 9);
    ::close(garbage);

    // Relative names are taken against the folder the second start was made in.
    PlayerProcess second(x.displayName(), first.home());
    second.setWorkingDirectory(first.home());
    second.start({"c three.wav", "./d.wav"});
    ASSERT_TRUE(second.waitForExit(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(second.crashed());
    EXPECT_EQ(x.windowsTitled(title).size(), 1u) << "the second start shows no window";

    // The file worker adds the handed-over songs in the background.
    ASSERT_TRUE(PlaylistView::waitForLines(x, 4));
    x.sendDeleteWindow(x.windowsTitled(title).front());
    ASSERT_TRUE(first.waitForExit(20000));
    const QByteArray playlist = readFile(first.dataFolder() + "/playlist.vpl");
    EXPECT_TRUE(savedInOrder(playlist, songs)) << playlist.toStdString();
    EXPECT_FALSE(QFile::exists(socketPathOf(first))) << "the socket goes with the player";
}

TEST(SingleCopy, AStaleSocketDoesNotStopAStartAndNewInstanceStartsBeside) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    PlayerProcess first(x.displayName());
    const QString song = first.home() + "/song.wav";
    ASSERT_TRUE(writeToneWav(song, 0.5));
    ASSERT_TRUE(QDir().mkpath(first.runtimeFolder() + "/veskplayer"));
    QFile::setPermissions(first.runtimeFolder() + "/veskplayer",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const int stale = socketAt(socketPathOf(first), false);
    ASSERT_GE(stale, 0);
    ::close(stale);

    first.start();
    ASSERT_TRUE(x.waitForMappedWindows(title, 1, 20000)) << first.output().toStdString();
    PlayerProcess second(x.displayName(), first.home());
    second.start({song});
    ASSERT_TRUE(second.waitForExit(10000));
    EXPECT_EQ(second.exitCode(), 0) << "the new player took over the stale address";

    PlayerProcess beside(x.displayName(), first.home());
    beside.start({"--new-instance"});
    EXPECT_TRUE(x.waitForMappedWindows(title, 2, 20000));

    for (Window window : x.windowsTitled(title)) {
        x.sendDeleteWindow(window);
    }
    EXPECT_TRUE(first.waitForExit(20000));
    EXPECT_TRUE(beside.waitForExit(20000));
}
