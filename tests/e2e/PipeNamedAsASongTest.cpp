// A named pipe given as a song: playing it must not freeze the program.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>

#include "PlayerProcess.h"
#include "PlaylistView.h"
#include "XServer.h"
#include "support/WavFile.h"

TEST(PipeNamedAsASong, IsPassedOverAndTheCloseButtonStillEndsTheProgram) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    PlayerProcess player(x.displayName());
    const QString pipe = player.home() + "/pipe.mp3";
    const QString song = player.home() + "/song.wav";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(writeToneWav(song, 2.0));

    player.start({pipe, song});
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000)) << player.output().toStdString();
    ASSERT_TRUE(PlaylistView::waitForLines(x, 2));  // the worker adds them in the background
    ASSERT_TRUE(x.click(25, 10));                   // play
    EXPECT_TRUE(player.waitForOutput("Failed to play"));
    ASSERT_TRUE(x.click(5, 5));  // close
    EXPECT_TRUE(player.waitForExit(1000)) << "the close button did not end the program in 1 s";
    const QString output = player.output();
    EXPECT_TRUE(output.contains("play pressed\n")) << output.toStdString();
    EXPECT_TRUE(output.contains("ERROR: Failed to play (" + pipe + ")\n")) << output.toStdString();
}
