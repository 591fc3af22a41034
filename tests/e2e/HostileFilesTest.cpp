// Files an attacker or an unlucky disk would hand the player: the close button still ends it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "PlayerProcess.h"
#include "PlaylistView.h"
#include "XServer.h"
#include "support/WavFile.h"

namespace {

// Where a named pipe called "pipe.vps" is put, and what the player is given.
struct PipePlacement {
    const char* name;
    const char* pipeFolder;  // below the home folder
    const char* argument;    // given on the command line, below the home folder
};

class PipeNamedAsAPackage : public ::testing::TestWithParam<PipePlacement> {};

// A line of the process's /proc status in kB ("VmHWM": the peak of its resident memory).
qint64 statusKb(qint64 processId, const QByteArray& field) {
    QFile status(QString("/proc/%1/status").arg(processId));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ":")) {
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLongLong();
        }
    }
    return -1;
}

// The peak memory of the player started with the arguments, once it has shown its window and
// the worker has had the first line of output to wait for; -1 when it could not be measured.
qint64 peakKbAfter(XServer& x, PlayerProcess& player, const QStringList& arguments,
                   const QString& awaited) {
    player.start(arguments);
    // Reading a whole gigabyte takes a while in a sanitizer build on a busy machine.
    return x.waitForWindow("Vesk Player") && player.waitForOutput(awaited, 1, 90000)
               ? statusKb(player.processId(), "VmHWM")
               : -1;
}

// The close button of the first window; the pointer is moved off it first, as a click waits for
// the pointer to arrive and it may be there from the last click.
bool clickClose(XServer& x) {
    return x.xdotool({"mousemove", "200", "200"}) && x.click(5, 5);
}

struct HugePlaylist {
    const char* name;
    const char* fileName;
    QByteArray header;
};

class HugePlaylistFile : public ::testing::TestWithParam<HugePlaylist> {};

constexpr qint64 allowedGrowthKb = 64 * 1024;

}  // namespace

TEST_P(PipeNamedAsAPackage, IsPassedOverAndTheCloseButtonStillEndsTheProgram) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    PlayerProcess player(x.displayName());
    const QString folder = player.home() + "/" + GetParam().pipeFolder;
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(mkfifo(QFile::encodeName(folder + "/pipe.vps").constData(), 0600), 0);

    player.start({player.home() + "/" + GetParam().argument});
    ASSERT_TRUE(x.waitForWindow("Vesk Player")) << player.output().toStdString();
    // The worker meets the pipe in the background.
    EXPECT_TRUE(player.waitForOutput("skin package passed over, not a regular file: "))
        << player.output().toStdString();
    ASSERT_TRUE(clickClose(x));
    EXPECT_TRUE(player.waitForExit(1000)) << "the close button did not end the program in 1 s";
}

TEST(PipeNamedAsASong, IsPassedOverAndTheCloseButtonStillEndsTheProgram) {
    XServer x;
    ASSERT_TRUE(x.isRunning());
    PlayerProcess player(x.displayName());
    const QString pipe = player.home() + "/pipe.mp3";
    const QString song = player.home() + "/song.wav";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(writeToneWav(song, 2.0));

    player.start({pipe, song});
    ASSERT_TRUE(x.waitForWindow("Vesk Player")) << player.output().toStdString();
    ASSERT_TRUE(PlaylistView::waitForLines(x, 2));  // the worker adds them in the background
    ASSERT_TRUE(x.click(25, 10));                   // play
    EXPECT_TRUE(player.waitForOutput("ERROR: Failed to play (" + pipe + ")\n"))
        << player.output().toStdString();
    ASSERT_TRUE(clickClose(x));
    EXPECT_TRUE(player.waitForExit(1000)) << "the close button did not end the program in 1 s";
    EXPECT_TRUE(player.output().contains("play pressed\n")) << player.output().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Placements, PipeNamedAsAPackage,
                         ::testing::Values(PipePlacement{"OnTheCommandLine", ".", "pipe.vps"},
                                           PipePlacement{"InsideAGivenFolder", "songs", "songs"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A 1 GiB sparse playlist file (the header, then zeros: no disk space used).
TEST_P(HugePlaylistFile, IsReadInBoundedMemoryAndTheCloseButtonStillEndsTheProgram) {
#ifdef VESK_SANITIZER_BUILD
    // AddressSanitizer keeps freed memory in quarantine (256 MB by default), which would count
    // every freed piece of the read as resident: the players started here keep none.
    const QByteArray asanOptions = qgetenv("ASAN_OPTIONS");
    qputenv("ASAN_OPTIONS", asanOptions + (asanOptions.isEmpty() ? "" : ":") +
                                "quarantine_size_mb=0:thread_local_quarantine_size_kb=0");
#endif
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    qint64 idleKb = 0;
    {
        PlayerProcess idle(x.displayName());
        idleKb = peakKbAfter(x, idle, {}, "started openfiles thread\n");
        ASSERT_GT(idleKb, 0) << idle.output().toStdString();
        ASSERT_TRUE(clickClose(x));
        ASSERT_TRUE(idle.waitForExit(5000));
    }
    PlayerProcess player(x.displayName());
    const QString playlist = player.home() + "/" + GetParam().fileName;
    {
        QFile file(playlist);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(GetParam().header), GetParam().header.size());
        ASSERT_TRUE(file.resize(qint64(1) << 30));
    }
    const qint64 peakKb = peakKbAfter(x, player, {playlist}, "playlist loaded \n");
    ASSERT_GT(peakKb, 0) << player.output().toStdString();
    RecordProperty("peakGrowthKb", std::to_string(peakKb - idleKb));
    EXPECT_LT(peakKb - idleKb, allowedGrowthKb) << "idle " << idleKb << " kB, peak " << peakKb;
    ASSERT_TRUE(clickClose(x));
    EXPECT_TRUE(player.waitForExit(1000)) << "the close button did not end the program in 1 s";

    // Closed while the file is being read.
    PlayerProcess closing(x.displayName());
    closing.start({playlist});
    ASSERT_TRUE(x.waitForWindow("Vesk Player"));
    ASSERT_TRUE(clickClose(x));
    EXPECT_TRUE(closing.waitForExit(1000)) << "the close button did not end the read in 1 s";
}

INSTANTIATE_TEST_SUITE_P(Kinds, HugePlaylistFile,
                         ::testing::Values(HugePlaylist{"M3u", "huge.m3u", "#EXTM3U\n"},
                                           HugePlaylist{"Vpl", "huge.vpl", "#vpl-List\r\n"}),
                         [](const auto& info) { return std::string(info.param.name); });
