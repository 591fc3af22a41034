#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/SolidSkinPackage.h"

namespace {

const QString skinTitle = "Vesk Player";
const QString questionCaption = "Veskplayer -use skin";
const QRgb skinColour = qRgb(0x23, 0x9a, 0x45);
// The default skin's open button (the window stands at 0, 0).
const QPoint openButton(248, 13);

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (done()) {
            return true;
        }
        QThread::msleep(20);
    }
    return done();
}

Window mappedTitled(XServer& x, const QString& title, Window other = 0) {
    for (Window window : x.windowsTitled(title)) {
        if (window != other && x.isMapped(window)) {
            return window;
        }
    }
    return 0;
}

bool pressIn(XServer& x, Window window, const QString& key) {
    return x.xdotool({"windowfocus", "--sync", QString::number(window)}) && x.xdotool({"key", key});
}

bool showsSkinColour(XServer& x, Window window) {
    const QImage shot = x.grab(x.geometryOf(window)).convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int column = 0; column < shot.width(); ++column) {
            count += (shot.pixel(column, y) & 0xffffff) == (skinColour & 0xffffff) ? 1 : 0;
        }
    }
    return count >= 2000;
}

}  // namespace

// Applying a skin rebuilds every skin window; one of them owns the open dialog, so a package
// handed over while the dialog is up waits until the user has closed it.
TEST(SkinHandOverDuringDialog, ThePackageIsImportedAndAppliedOnceTheOpenDialogHasClosed) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    PlayerProcess player(x.displayName());
    player.start();
    ASSERT_TRUE(x.waitForMappedWindows(skinTitle, 1, 20000)) << player.output().toStdString();
    QTemporaryDir packages;
    const QString package = packages.filePath("green.vps");
    {
        QFile file(package);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(solidSkinPackage("green", skinColour, VESK_SOURCE_DIR "/resources/default"));
    }

    ASSERT_TRUE(x.click(openButton.x(), openButton.y()));
    Window dialog = 0;
    ASSERT_TRUE(waitUntil([&] { return (dialog = mappedTitled(x, "Open")) != 0; }, 20000))
        << player.output().toStdString();
    PlayerProcess secondStart(x.displayName(), player.home());
    secondStart.start({package});
    ASSERT_TRUE(secondStart.waitForExit(20000));
    // The worker meets the package at once; its question would come while the dialog is up.
    EXPECT_FALSE(waitUntil([&] { return mappedTitled(x, questionCaption) != 0; }, 800))
        << "asked inside the open dialog";

    ASSERT_TRUE(pressIn(x, dialog, "Escape"));
    Window question = 0;
    ASSERT_TRUE(
        waitUntil([&] { return (question = mappedTitled(x, questionCaption)) != 0; }, 20000));
    // The dialog is gone (asking about it by its id would fail once it is destroyed).
    EXPECT_EQ(mappedTitled(x, "Open"), 0u) << "the dialog closed normally";
    ASSERT_TRUE(pressIn(x, question, "Return"));  // use it now: Yes
    Window choice = 0;
    ASSERT_TRUE(waitUntil(
        [&] { return (choice = mappedTitled(x, questionCaption, question)) != 0; }, 20000));
    ASSERT_TRUE(pressIn(x, choice, "Return"));  // pictures only: No, the windows too

    Window shown = 0;
    EXPECT_TRUE(waitUntil(
        [&] { return (shown = mappedTitled(x, skinTitle)) != 0 && showsSkinColour(x, shown); },
        20000))
        << player.output().toStdString();
    x.sendDeleteWindow(shown);
    ASSERT_TRUE(player.waitForExit(20000));
    EXPECT_FALSE(player.crashed());
    QFile options(player.dataFolder() + "/sfo.2");
    ASSERT_TRUE(options.open(QIODevice::ReadOnly));
    EXPECT_TRUE(options.readAll().contains("skins\\green"));
}
