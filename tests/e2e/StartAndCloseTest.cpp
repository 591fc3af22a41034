#include <gtest/gtest.h>

#include <QFileInfo>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/Files.h"

TEST(StartAndClose, FirstStartCreatesTheDataFolderAndTheSystemCloseQuits) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    PlayerProcess player(x.displayName());
    player.start();

    const Window window = x.waitForWindow("Vesk Player");
    ASSERT_NE(window, 0u) << player.output().toStdString();
    // The window shows as soon as it exists; its elements follow in the same start-up.
    ASSERT_TRUE(x.waitForGeometry(window, {0, 0, 285, 210})) << "the default window, expanded";
    const QString data = player.dataFolder();
    EXPECT_TRUE(QFileInfo(data).isDir());
    EXPECT_TRUE(QFileInfo(data + "/skins").isDir());

    // The pictures the default window needed are the built-in ones, byte for byte.
    for (const char* picture : {"0/100_close.bmp", "1/102_play.bmp", "0/201_volume.bmp",
                                "1/300_info.bmp", "1/400_listbox.bmp"}) {
        EXPECT_EQ(readFile(data + "/skins/default/" + picture),
                  readFile(QString(VESK_SOURCE_DIR "/resources/default/") + picture))
            << picture;
    }
    EXPECT_FALSE(QFileInfo::exists(data + "/windows")) << "nothing is saved before the close";

    x.sendDeleteWindow(window);
    ASSERT_TRUE(player.waitForExit(20000)) << "the player did not quit on the system close";
    EXPECT_FALSE(player.crashed());
    EXPECT_EQ(player.exitCode(), 0);
    for (const char* saved : {"windows", "sfw.0", "sfo.0", "sfo.1", "sfo.2", "playlist.vpl"}) {
        EXPECT_TRUE(QFileInfo(data + "/" + saved).isFile()) << saved;
    }
    EXPECT_EQ(readFile(data + "/windows"), QByteArray("1\r\n"));
    EXPECT_EQ(readFile(data + "/sfw.0"),
              readFile(QString(VESK_SOURCE_DIR "/resources/default_window.sfw")))
        << "the untouched default window saves back byte for byte";
    EXPECT_TRUE(player.output().contains("started openfiles thread\n"));
    EXPECT_TRUE(player.output().endsWith("ended openfiles thread\n"))
        << player.output().toStdString();
}
