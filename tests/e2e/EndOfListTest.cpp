#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QThread>
#include <functional>

#include "PlayerProcess.h"
#include "SessionBus.h"
#include "XServer.h"
#include "support/WavFile.h"

namespace {

bool waitFor(const std::function<bool()>& condition, int timeoutMs = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (condition()) {
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

// The default skin's play/pause button (the window stands at 0, 0).
const QRect playButton(15, 0, 20, 20);

// Clicks the button and moves the pointer off it, so that no tooltip covers the picture.
bool clickPlay(XServer& x) {
    return x.click(playButton.center().x(), playButton.center().y()) &&
           x.xdotool({"mousemove", "270", "200"});
}

}  // namespace

TEST(EndOfList, ThePlayButtonShowsPlayAndOneClickStartsTheFirstSongAgain) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    SessionBus bus;
    ASSERT_TRUE(bus.isRunning()) << "dbus-daemon did not start";
    PlayerProcess player(x.displayName());
    const QString first = player.home() + "/first.wav";
    const QString second = player.home() + "/second.wav";
    ASSERT_TRUE(writeToneWav(first, 1.0));
    ASSERT_TRUE(writeToneWav(second, 1.0));
    player.setVariable("DBUS_SESSION_BUS_ADDRESS", bus.address());
    player.start({first, second});
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000));
    auto playerctl = [&bus](const QStringList& arguments) {
        return bus.run("playerctl", QStringList{"--player=veskplayer"} + arguments);
    };
    ASSERT_TRUE(waitFor([&] { return playerctl({"status"}) == "Stopped"; }));
    const QImage playPicture = x.grab(playButton);
    QThread::msleep(300);  // the worker adds the songs in the background

    ASSERT_TRUE(clickPlay(x));
    ASSERT_TRUE(waitFor([&] { return playerctl({"status"}) == "Playing"; }));
    ASSERT_TRUE(waitFor([&] { return x.grab(playButton) != playPicture; }))
        << "the pause picture while playing";
    ASSERT_TRUE(waitFor([&] { return playerctl({"metadata", "xesam:title"}) == "second"; }));

    // The second song ends: stopped, and every play button shows play again.
    ASSERT_TRUE(waitFor([&] { return playerctl({"status"}) == "Stopped"; }));
    EXPECT_TRUE(waitFor([&] { return x.grab(playButton) == playPicture; }));

    ASSERT_TRUE(clickPlay(x));
    EXPECT_TRUE(waitFor([&] { return playerctl({"status"}) == "Playing"; }));
    EXPECT_TRUE(waitFor([&] { return playerctl({"metadata", "xesam:title"}) == "first"; }));
    EXPECT_TRUE(waitFor([&] { return x.grab(playButton) != playPicture; }));
}
