#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "PlayerProcess.h"
#include "XServer.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(StartAndClose, FirstStartCreatesTheDataFolderAndTheSystemCloseQuits) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    PlayerProcess player(x.displayName());
    player.start();

    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000)) << player.output().toStdString();
    const QString data = player.dataFolder();
    EXPECT_TRUE(QFileInfo(data).isDir());
    EXPECT_TRUE(QFileInfo(data + "/skins").isDir());

    x.sendDeleteWindow(x.windowsTitled("Vesk Player").front());
    ASSERT_TRUE(player.waitForExit(20000)) << "the player did not quit on the system close";
    EXPECT_FALSE(player.crashed());
    EXPECT_EQ(player.exitCode(), 0);
}
