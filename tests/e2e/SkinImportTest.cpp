#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/SolidSkinPackage.h"

namespace {

const QRgb skinColour = qRgb(0x12, 0xab, 0x34);
const QString questionCaption = "Veskplayer -use skin";

int pixelsOfSkinColour(XServer& x, Window window) {
    const QImage shot = x.grab(x.geometryOf(window)).convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int column = 0; column < shot.width(); ++column) {
            count += (shot.pixel(column, y) & 0xffffff) == (skinColour & 0xffffff) ? 1 : 0;
        }
    }
    return count;
}

// Waits for a shown question with the caption other than the one answered before, and answers
// it with the key, as the user does; false when none came.
bool answerQuestion(XServer& x, const QString& key, Window& answered) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
        for (Window box : x.windowsTitled(questionCaption)) {
            if (box != answered && x.isMapped(box)) {
                answered = box;
                return x.xdotool({"windowfocus", "--sync", QString::number(box)}) &&
                       x.xdotool({"key", key});
            }
        }
        QThread::msleep(20);
    }
    return false;
}

}  // namespace

TEST(SkinImport, APackageOnTheCommandLineIsImportedAndShownWhenTheUserSaysYes) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    QTemporaryDir packages;
    const QString package = packages.filePath("red.vps");
    {
        QFile file(package);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(solidSkinPackage("red", skinColour, VESK_SOURCE_DIR "/resources/default"));
    }
    PlayerProcess player(x.displayName());
    player.start({package});

    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000)) << player.output().toStdString();
    const Window skinWindow = x.windowsTitled("Vesk Player").front();
    Window answered = 0;
    // "Importing skin succesful. ... use this imported skin now ?": Enter is Yes.
    ASSERT_TRUE(answerQuestion(x, "Return", answered)) << player.output().toStdString();
    EXPECT_EQ(pixelsOfSkinColour(x, skinWindow), 0) << "the built-in pictures until applied";
    // "use bitmaps only ?": Enter is No, the skin's windows too (it stores none).
    ASSERT_TRUE(answerQuestion(x, "Return", answered)) << player.output().toStdString();

    // The rebuilt window shows the imported pictures.
    QElapsedTimer timer;
    timer.start();
    Window shown = 0;
    int coloured = 0;
    while (timer.elapsed() < 20000 && coloured < 2000) {
        for (Window window : x.windowsTitled("Vesk Player")) {
            if (x.isMapped(window)) {
                shown = window;
                coloured = pixelsOfSkinColour(x, window);
            }
        }
        QThread::msleep(50);
    }
    EXPECT_GE(coloured, 2000) << player.output().toStdString();
    EXPECT_TRUE(QFile::exists(player.dataFolder() + "/skins/red/1/102_play.bmp"));
    EXPECT_TRUE(player.output().contains("load complete.\n"));

    x.sendDeleteWindow(shown);
    ASSERT_TRUE(player.waitForExit(20000));
    EXPECT_FALSE(player.crashed());
    QFile options(player.dataFolder() + "/sfo.2");
    ASSERT_TRUE(options.open(QIODevice::ReadOnly));
    EXPECT_TRUE(options.readAll().contains("skins\\red"));
}
