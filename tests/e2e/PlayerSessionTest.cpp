// The player's life from a first start to the next one on the same data: what it creates and
// saves, its buttons, the gestures on its window, and the starts that hand over to it.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/Files.h"
#include "support/Waiting.h"
#include "support/WavFile.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString title = "Vesk Player";
const QByteArray buttonStates = "-mute\r\n1\r\n-rep\r\n1\r\n-shuf\r\n1";

// A socket on the running copy's address: connected (to send it bytes), or bound and dropped
// the way a crashed copy leaves it.
int socketAt(const QString& path, bool connectToIt) {
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::memcpy(address.sun_path, bytes.constData(), bytes.size());
    const auto* raw = reinterpret_cast<sockaddr*>(&address);
    if ((connectToIt ? ::connect(socket, raw, sizeof address)
                     : ::bind(socket, raw, sizeof address))) {
        ::close(socket);
        return -1;
    }
    return socket;
}

// The songs are in the saved playlist, in this order.
bool savedInOrder(const QByteArray& playlist, QStringList songs) {
    std::transform(songs.begin(), songs.end(), songs.begin(),
                   [](const QString& song) { return QRegularExpression::escape(song); });
    return QString::fromUtf8(playlist).contains(QRegularExpression(songs.join("[\\s\\S]*")));
}

}  // namespace

TEST(PlayerSession, AFirstStartSavesAtTheCloseAndTheNextBringsItBackAndTakesHandOvers) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    PlayerProcess player(x.displayName());
    const QString data = player.dataFolder();
    const QString socketPath = player.runtimeFolder() + "/veskplayer/instance";
    QStringList songs;
    for (const char* name : {"a one.wav", "b.wav", "c three.wav", "d.wav"}) {
        songs.append(player.home() + "/" + name);
        ASSERT_TRUE(writeToneWav(songs.back(), 2.0));
    }
    player.start({songs[0], songs[1]});
    const Window window = x.waitForWindow(title);
    ASSERT_NE(window, 0u) << player.output().toStdString();
    // The window shows as soon as it exists; its elements follow in the same start-up.
    ASSERT_TRUE(x.waitForGeometry(window, {0, 0, 285, 210})) << "the default window, expanded";
    // The pictures the default window needed are the built-in ones, byte for byte, written
    // into the skin once the first frame is painted.
    for (const char* picture : {"0/100_close.bmp", "1/102_play.bmp", "0/201_volume.bmp",
                                "1/300_info.bmp", "1/400_listbox.bmp"}) {
        const QByteArray builtIn =
            readFile(QString(VESK_SOURCE_DIR "/resources/default/") + picture);
        EXPECT_TRUE(waitFor([&] {
            return readFile(data + "/skins/default/" + picture) == builtIn;
        })) << picture;
    }
    EXPECT_FALSE(QFileInfo::exists(data + "/windows")) << "nothing is saved before the close";
    {
        PlayerProcess beside(x.displayName(), player.home());
        beside.start({"--new-instance"});
        const Window other = x.waitForWindow(title, window);
        ASSERT_NE(other, 0u) << "--new-instance starts beside the running copy";
        x.sendDeleteWindow(other);
        ASSERT_TRUE(beside.waitForExit(20000));
    }
    // The worker adds the songs in the background: play, mute, shuffle, repeat once they are
    // there, then close.
    ASSERT_TRUE(x.waitForPlaylistLines(2));
    for (QPoint button : {QPoint(25, 10), QPoint(235, 15), QPoint(130, 5), QPoint(130, 15)}) {
        ASSERT_TRUE(x.click(button));
    }
    ASSERT_TRUE(player.waitForOutput("repeat pressed\n")) << player.output().toStdString();
    ASSERT_TRUE(x.click({5, 5}));
    ASSERT_TRUE(player.waitForExit(20000));
    EXPECT_EQ(player.exitCode(), 0);
    EXPECT_FALSE(player.crashed());
    EXPECT_TRUE(player.output().contains(
        "play pressed\nmute pressed\nshuffle pressed\nrepeat pressed\nclose pressed\n"))
        << player.output().toStdString();
    EXPECT_EQ(readFile(data + "/windows"), QByteArray("1\r\n"));
    EXPECT_EQ(readFile(data + "/sfw.0"), readFile(VESK_SOURCE_DIR "/resources/default_window.sfw"))
        << "the untouched default window saves back byte for byte";
    EXPECT_TRUE(readFile(data + "/sfo.1").contains(buttonStates));
    EXPECT_TRUE(savedInOrder(readFile(data + "/playlist.vpl"), songs.mid(0, 2)));
    EXPECT_FALSE(QFile::exists(socketPath)) << "the socket goes with the player";
    // A copy that crashed left its socket behind: the next start takes the address over.
    const int stale = socketAt(socketPath, false);
    ASSERT_GE(stale, 0);
    ::close(stale);
    PlayerProcess again(x.displayName(), player.home());
    again.start();
    const Window restored = x.waitForWindow(title);
    ASSERT_NE(restored, 0u) << again.output().toStdString();
    // The restore replays the three buttons; the worker reopens the last playlist.
    ASSERT_TRUE(again.waitForOutput("shuffle pressed\n")) << again.output().toStdString();
    ASSERT_TRUE(x.waitForPlaylistLines(2));
    EXPECT_TRUE(again.output().startsWith("mute pressed\nrepeat pressed\nshuffle pressed\n"))
        << again.output().toStdString();
    // Garbage first: the player drops it and still listens. Relative names are taken against
    // the folder the second start was made in.
    const int garbage = socketAt(socketPath, true);
    ASSERT_GE(garbage, 0);
    ASSERT_EQ(::send(garbage, "\x7f junk\0E\0", 9, MSG_NOSIGNAL), 9);
    ::close(garbage);
    PlayerProcess second(x.displayName(), player.home());
    second.setWorkingDirectory(player.home());
    second.start({"c three.wav", "./d.wav"});
    ASSERT_TRUE(second.waitForExit(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(x.windowsTitled(title).size(), 1u) << "the second start shows no window";
    ASSERT_TRUE(x.waitForPlaylistLines(4));
    // Ctrl + drag on the list box moves the window; Alt + drag at its bottom-right corner
    // resizes it in steps of 5; a drag ending within 20 pixels of the left edge snaps to it.
    ASSERT_TRUE(x.drag("ctrl", {150, 120}, {400, 300}));
    ASSERT_TRUE(x.waitForGeometry(restored, {250, 180, 285, 210})) << "moved by the drag";
    ASSERT_TRUE(x.drag("alt", {250 + 283, 180 + 208}, {250 + 283 + 23, 180 + 208 + 13}));
    ASSERT_TRUE(x.waitForGeometry(restored, {250, 180, 305, 220})) << "308 x 223 rounds down";
    ASSERT_TRUE(x.drag("ctrl", {250 + 150, 180 + 120}, {150 + 12, 120 + 40}));
    ASSERT_TRUE(x.waitForGeometry(restored, {0, 40, 305, 220})) << "12 pixels from the edge";
    x.sendDeleteWindow(restored);
    ASSERT_TRUE(again.waitForExit(20000)) << "the player did not quit on the system close";
    EXPECT_EQ(again.exitCode(), 0);
    EXPECT_TRUE(again.output().endsWith("ended openfiles thread\n"))
        << again.output().toStdString();
    const QByteArray savedWindow = readFile(data + "/sfw.0");
    EXPECT_TRUE(
        savedWindow.contains("-pos\r\n0\r\n40\r\n-dimC\r\n285\r\n45\r\n-dimE\r\n305\r\n220\r\n"
                             "-expanded\r\n1\r\n"))
        << savedWindow.left(120).toStdString();
    EXPECT_TRUE(readFile(data + "/sfo.1").contains(buttonStates));
    EXPECT_TRUE(savedInOrder(readFile(data + "/playlist.vpl"), songs));
}
