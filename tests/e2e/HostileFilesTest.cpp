// Files an attacker or an unlucky disk would hand the player: the close button still ends it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QThread>

#include "PlayerProcess.h"
#include "XServer.h"

namespace {

// Where a named pipe called "pipe.vps" is put, and what the player is given.
struct PipePlacement {
    const char* name;
    const char* pipeFolder;  // below the home folder
    const char* argument;    // given on the command line, below the home folder
};

class PipeNamedAsAPackage : public ::testing::TestWithParam<PipePlacement> {};

}  // namespace

TEST_P(PipeNamedAsAPackage, IsPassedOverAndTheCloseButtonStillEndsTheProgram) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    PlayerProcess player(x.displayName());
    const QString folder = player.home() + "/" + GetParam().pipeFolder;
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(mkfifo(QFile::encodeName(folder + "/pipe.vps").constData(), 0600), 0);

    player.start({player.home() + "/" + GetParam().argument});
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000)) << player.output().toStdString();
    QThread::msleep(300);  // the worker meets the pipe in the background
    ASSERT_TRUE(x.click(5, 5));
    EXPECT_TRUE(player.waitForExit(1000)) << "the close button did not end the program in 1 s";
    EXPECT_TRUE(player.output().contains("skin package passed over, not a regular file: "))
        << player.output().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Placements, PipeNamedAsAPackage,
                         ::testing::Values(PipePlacement{"OnTheCommandLine", ".", "pipe.vps"},
                                           PipePlacement{"InsideAGivenFolder", "songs", "songs"}),
                         [](const auto& info) { return std::string(info.param.name); });
