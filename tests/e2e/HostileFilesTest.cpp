// Files an attacker or an unlucky disk would hand the player: the close button still ends it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/Files.h"
#include "support/WavFile.h"

namespace {

// The peak of the process's resident memory in kB; 0 when it cannot be read.
qint64 peakKb(qint64 processId) {
    const QString status = readFile(QString("/proc/%1/status").arg(processId));
    return QRegularExpression("VmHWM:\\s*(\\d+)").match(status).captured(1).toLongLong();
}

// The close button, the pointer moved off it first: a click waits for the pointer to arrive.
bool clickClose(XServer& x) {
    return x.xdotool({"mousemove", "200", "200"}) && x.click({5, 5});
}

}  // namespace

TEST(HostileFiles, PipesArePassedOverHugePlaylistsReadInBoundedMemoryAndTheCloseButtonWorks) {
#ifdef VESK_SANITIZER_BUILD
    // AddressSanitizer keeps freed memory in quarantine (256 MB by default), which would count
    // every freed piece of the read as resident: the players started here keep none.
    const QByteArray asanOptions = qgetenv("ASAN_OPTIONS");
    qputenv("ASAN_OPTIONS", asanOptions + (asanOptions.isEmpty() ? "" : ":") +
                                "quarantine_size_mb=0:thread_local_quarantine_size_kb=0");
#endif
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    PlayerProcess player(x.displayName());
    const QString home = player.home();
    // Named pipes called as a skin package (given, and inside a given folder) and as a song.
    ASSERT_TRUE(QDir().mkpath(home + "/songs"));
    for (const char* pipe : {"/pipe.vps", "/songs/pipe.vps", "/pipe.mp3"}) {
        ASSERT_EQ(mkfifo(QFile::encodeName(home + pipe).constData(), 0600), 0) << pipe;
    }
    ASSERT_TRUE(writeToneWav(home + "/song.wav", 2.0));
    player.start({home + "/pipe.vps", home + "/songs", home + "/pipe.mp3", home + "/song.wav"});
    ASSERT_TRUE(x.waitForWindow("Vesk Player")) << player.output().toStdString();
    // The peak memory of a player that has only just started its worker, to measure the huge
    // files' read by. Reading them takes a while in a sanitizer build on a busy machine.
    ASSERT_TRUE(player.waitForOutput("started openfiles thread\n", 1, 90000));
    const qint64 idleKb = peakKb(player.processId());
    ASSERT_GT(idleKb, 0);
    // The worker meets the pipes in the background.
    EXPECT_TRUE(player.waitForOutput("skin package passed over, not a regular file: ", 2))
        << player.output().toStdString();
    ASSERT_TRUE(x.waitForPlaylistLines(2));
    ASSERT_TRUE(x.click({25, 10}));  // play
    EXPECT_TRUE(player.waitForOutput("ERROR: Failed to play (" + home + "/pipe.mp3)\n"))
        << player.output().toStdString();
    ASSERT_TRUE(clickClose(x));
    EXPECT_TRUE(player.waitForExit(1000)) << "the close button did not end the program in 1 s";
    // Playlists of 256 MiB, four times the growth allowed, sparse (the header, then zeros: no
    // disk space used).
    QStringList huge;
    for (const auto& [name, header] : {std::pair{"/huge.m3u", QByteArray("#EXTM3U\n")},
                                       std::pair{"/huge.vpl", QByteArray("#vpl-List\r\n")}}) {
        huge.append(home + name);
        QFile file(huge.back());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(header) == header.size());
        ASSERT_TRUE(file.resize(qint64(256) << 20));
    }
    PlayerProcess reader(x.displayName());
    reader.start(huge);
    ASSERT_TRUE(x.waitForWindow("Vesk Player"));
    ASSERT_TRUE(reader.waitForOutput("playlist loaded \n", 2, 90000))
        << reader.output().toStdString();
    const qint64 readingKb = peakKb(reader.processId());
    RecordProperty("peakGrowthKb", std::to_string(readingKb - idleKb));
    EXPECT_LT(readingKb - idleKb, 64 * 1024) << "idle " << idleKb << " kB, peak " << readingKb;
    ASSERT_TRUE(clickClose(x));
    EXPECT_TRUE(reader.waitForExit(1000)) << "the close button did not end the program in 1 s";
    // Closed while a file of 4 GiB is being read.
    const QString endless = home + "/endless.m3u";
    ASSERT_TRUE(QFile::copy(huge[0], endless) && QFile::resize(endless, qint64(4) << 30));
    PlayerProcess closing(x.displayName());
    closing.start({endless});
    ASSERT_TRUE(x.waitForWindow("Vesk Player"));
    ASSERT_TRUE(clickClose(x));
    EXPECT_TRUE(closing.waitForExit(1000)) << "the close button did not end the read in 1 s";
    EXPECT_FALSE(closing.output().contains("playlist loaded")) << "closed after the read";
}
