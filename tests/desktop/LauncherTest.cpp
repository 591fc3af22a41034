#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "desktop/AbsolutePath.h"

namespace {

struct Finished {
    int exitCode = -1;
    QByteArray output, errors;
};

Finished run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    Finished result;
    if (process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit) {
        result.exitCode = process.exitCode();
    }
    result.output = process.readAllStandardOutput();
    result.errors = process.readAllStandardError();
    return result;
}

}  // namespace

// Names from the command line become the paths Qt's file information makes of them, but for
// bytes Qt could not show.
TEST(Launcher, MakesNamesAbsoluteAsQtDoes) {
    QTemporaryDir base;
    ASSERT_TRUE(QDir(base.path()).mkpath("a/b"));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(base.path() + "/a/b"));
    for (const char* name : {".",
                             "..",
                             "./",
                             "../",
                             "x.mp3",
                             "x/",
                             "x/.",
                             "x/..",
                             "./x",
                             "../../x",
                             "../../../../../../../../x",
                             "x//y",
                             "//x",
                             "///x/",
                             "/",
                             "//",
                             "/./",
                             "/..",
                             "/../x",
                             "/a/./b/../c",
                             "/a/b/",
                             ".hidden",
                             "..x",
                             "...",
                             "x/./.",
                             "Björk/日本.flac"}) {
        EXPECT_EQ(
            AbsolutePath::of(name),
            QFile::encodeName(QFileInfo(QFile::decodeName(name)).absoluteFilePath()).toStdString())
            << name;
    }
    const std::string notUtf8 = "caf\xe9.mp3";
    EXPECT_EQ(AbsolutePath::of("./" + notUtf8),
              QFile::encodeName(QDir::currentPath()).toStdString() + "/" + notUtf8);
    QDir::setCurrent(before);
}

TEST(Launcher, AnswersHelpAndUnknownOptionsItself) {
    const Finished help = run(VESK_PLAYER_BINARY, {"a.mp3", "--help", "--next"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.startsWith("Usage: veskplayer [options]")) << help.output.data();
    const Finished unknown = run(VESK_PLAYER_BINARY, {"--next", "--nex", "--louder"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.errors, "Unknown option: --nex\n" + help.output);
}

// A start that hands over loads no Qt (nor what Qt brings: ICU, glib): only the C and C++
// runtimes.
TEST(Launcher, MapsNoQtLibrary) {
    const Finished ldd = run("ldd", {VESK_PLAYER_BINARY});
    ASSERT_EQ(ldd.exitCode, 0) << "ldd (libc-bin) is missing or failed: " << ldd.errors.data();
    ASSERT_TRUE(ldd.output.contains("libc.so")) << ldd.output.data();
    EXPECT_FALSE(ldd.output.contains("libQt")) << ldd.output.data();
}
