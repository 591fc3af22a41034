#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include "common/NativePath.h"

TEST(NativePath, EveryNameComesBackAsTheSameBytes) {
    const QByteArray names[] = {
        "plain.mp3",
        "Bj\xC3\xB6rk/\xE6\x97\xA5\xE6\x9C\xAC.flac",  // valid UTF-8
        "caf\xE9.mp3",                                 // Latin-1
        "\xC0\xAF overlong",
        "\xED\xB2\x80 encoded surrogate",
        "cut \xE6\x97",
        "\x80 lone continuation",
        "\xF4\x90\x80\x80 beyond U+10FFFF",
        "\xEF\xBB\xBF starts with a byte-order mark",
        "\xF0\x9F\x8E\xB5 then \xFF",
    };
    for (const QByteArray& name : names) {
        EXPECT_EQ(NativePath::toNative(NativePath::fromNative(name)), name) << name.toHex().data();
    }
    EXPECT_EQ(NativePath::fromNative("Bj\xC3\xB6rk"), QString::fromUtf8("Björk"));
    EXPECT_FALSE(NativePath::hasRawBytes(NativePath::fromNative("Bj\xC3\xB6rk \xF0\x9F\x8E\xB5")));
    EXPECT_TRUE(NativePath::hasRawBytes(NativePath::fromNative("caf\xE9")));
}

// Raw names open; the playlist and tag readers open files through it, and never wait on a pipe.
TEST(NativePath, OnlyRegularFilesAreOpenedAndNothingWaitsOnAPipe) {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QString rawName = NativePath::fromNative(folder + "/caf\xE9.vpl");
    std::ofstream(NativePath::toNative(rawName).constData()) << "#vpl-List";
    ASSERT_EQ(::mkfifo((folder + "/pipe").constData(), 0600), 0);
    QFile file;
    ASSERT_TRUE(NativePath::openRegularFile(rawName, file));
    EXPECT_EQ(file.readAll(), "#vpl-List");
    for (const QString& refused : {dir.path() + "/pipe", dir.path(), dir.path() + "/gone"}) {
        QFile other;
        EXPECT_FALSE(NativePath::openRegularFile(refused, other)) << refused.toStdString();
    }
}
