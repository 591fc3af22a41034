// Playlist files of any size and any bytes are read as a bounded stream of lines.
#include "playlist/PlaylistLines.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <cstring>

#include "PlaylistTestFiles.h"
#include "playlist/PlaylistFile.h"

namespace {

// A file of the head, then `zeros` zero bytes made up on the fly, then the tail; counts what was
// read from it.
class GeneratedFile : public QIODevice {
public:
    GeneratedFile(QByteArray headBytes, qint64 zeroCount, QByteArray tailBytes)
        : head(std::move(headBytes)), zeros(zeroCount), tail(std::move(tailBytes)) {
        open(QIODevice::ReadOnly);
    }
    qint64 delivered = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 total = head.size() + zeros + tail.size();
        const qint64 length = std::min(maxSize, total - delivered);
        std::memset(data, 0, length);
        for (qint64 at = delivered; at < delivered + length; ++at) {
            if (at < head.size()) {
                data[at - delivered] = head[at];
            } else if (at >= head.size() + zeros) {
                data[at - delivered] = tail[at - head.size() - zeros];
            } else {
                at = std::min(delivered + length, head.size() + zeros) - 1;  // the zeros
            }
        }
        delivered += length;
        return length > 0 ? length : -1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
    bool isSequential() const override { return true; }

private:
    QByteArray head;
    qint64 zeros;
    QByteArray tail;
};

const QByteArray longestPath = "/" + QByteArray(PlaylistLines::maxLineLength - 1, 'p');

struct LinesCase {
    const char* name;
    QByteArray contents;
    QStringList paths;
};

class PlaylistLinesTest : public ::testing::TestWithParam<LinesCase> {};

}  // namespace

TEST_P(PlaylistLinesTest, LinesThatCanBeNoPathAreSkippedAndTheRestKept) {
    QStringList paths;
    ASSERT_TRUE(PlaylistFile::parse(GetParam().contents, paths));
    EXPECT_EQ(paths, GetParam().paths);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, PlaylistLinesTest,
    ::testing::Values(
        LinesCase{
            "LongerThanAPath", "#EXTM3U\n/a\n/" + QByteArray(5000, 'x') + "\n/b", {"/a", "/b"}},
        LinesCase{"LongestPathKept",
                  "#vpl-List\r\n" + longestPath + "\r\n/b",
                  {QString::fromLatin1(longestPath), "/b"}},
        LinesCase{"OneByteTooLong", "#vpl-List\r\n" + longestPath + "q\r\n/b", {"/b"}},
        LinesCase{"ZeroByte", QByteArray("#vpl-List\r\n/a\r\n/b\0c\r\n\0\r\n/d", 26), {"/a", "/d"}},
        LinesCase{"LongLastLineWithoutEnd", "#EXTM3U\n/a\n" + QByteArray(200000, '/'), {"/a"}},
        LinesCase{"LongLinesAcrossPieces",
                  "#EXTM3U\n" + QByteArray(70000, 'x') + "\n/a\n" + QByteArray(140000, 'y') +
                      "\r\n/b\r\n",
                  {"/a", "/b"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlaylistLinesStream, AGiantLineOfZerosIsReadOverWithoutBeingKept) {
    const std::atomic<bool> never = false;
    GeneratedFile file("", qint64(1) << 28, "\n/after\n");
    PlaylistLines lines(file, never);
    QByteArray line;
    EXPECT_EQ(lines.next(line), PlaylistLines::Status::Skipped);
    ASSERT_EQ(lines.next(line), PlaylistLines::Status::Line);
    EXPECT_EQ(line, "/after");
    EXPECT_EQ(lines.next(line), PlaylistLines::Status::End);
    EXPECT_EQ(file.delivered, (qint64(1) << 28) + 8);
}

TEST(PlaylistLinesStream, AReadEndsSoonAfterItIsStopped) {
    TestFolder folder;
    const QString path = folder.write("huge.m3u", "#EXTM3U\n/a\n");
    QFile grown(path);
    ASSERT_TRUE(grown.open(QIODevice::ReadWrite));
    ASSERT_TRUE(grown.resize(qint64(1) << 30));  // sparse: no disk space used
    grown.close();
    std::atomic<bool> stop = false;
    QStringList paths;
    EXPECT_TRUE(PlaylistFile::read(
        path, [&](const QString& entry, const SongTags&) { paths << entry, stop = true; }, stop));
    EXPECT_EQ(paths, QStringList{"/a"});

    // The stream stops at its next piece, whatever is left of the file.
    GeneratedFile endless("/a\n/b\n", qint64(1) << 40, "");
    PlaylistLines lines(endless, stop);
    QByteArray line;
    EXPECT_EQ(lines.next(line), PlaylistLines::Status::Stopped);
    EXPECT_EQ(endless.delivered, 0);
}
