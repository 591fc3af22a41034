#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QRegularExpression>
#include <future>
#include "PlaylistTestFiles.h"
#include "common/NativePath.h"
#include "playlist/FolderEntries.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "support/DebugCapture.h"

namespace {
// Files made in the test folder: "name" empty, "name=text", "name|" a named pipe, and
// "name#title#artist" an MP3 file with an ID3 version 1 tag; then the paths dropped, one add
// each. Paths not starting with "/" are relative to the test folder; a song expected as
// "path|artist|title" is checked whole.
struct DropCase {
    const char* name;
    QStringList files, dropped, songs;
    int playlistsRead = 0;
    bool tags = false;
    QStringList importedSingly = {};
    std::vector<QStringList> offered = {};  // one list of skin packages per offer
};

const DropCase dropCases[] = {
    {"FoldersAreWalkedWithTheirUndottedSubfoldersAndKnownSongsInTheOrderGiven",
     {"john.doe/Music/a.mp3", "john.doe/Music/B.WAV", "john.doe/Music/c.S3M",
      "john.doe/Music/notes.txt=not a playlist\n", "john.doe/Music/noext",
      "john.doe/Music/sub/d.ogg", "john.doe/Music/sub/deeper/e.flac",
      "john.doe/Music/old.songs/f.xm", "v1.2/track.it"},
     {"/n/1.mp3", "", "john.doe/Music", "/n/nothing.here", "v1.2/track.it"},
     {"/n/1.mp3", "john.doe/Music/B.WAV", "john.doe/Music/a.mp3", "john.doe/Music/c.S3M",
      "john.doe/Music/sub/d.ogg", "john.doe/Music/sub/deeper/e.flac", "v1.2/track.it|N/A|track"}},
    // Relative entries name files beside the playlist; the system's pseudo files are not walked.
    {"APlaylistAddsItsSongsFoldersAndNestedPlaylists",
     {"inner.m3u=#EXTM3U\n#EXTINF:1,x\n/n/inner.ogg\n", "albums/z.wav",
      "outer.vpl=#vpl-List\r\n/n/first.mp3\r\ninner.m3u\r\nalbums\r\n\r\n/n/last.xm\r\n",
      "party/songs/a.mp3", "party/mix.m3u=#EXTM3U\nsongs/a.mp3\n../b.ogg\n/proc\n/sys\n/dev\n"},
     {"outer.vpl", "party/mix.m3u"},
     {"/n/first.mp3", "/n/inner.ogg", "albums/z.wav", "/n/last.xm", "party/songs/a.mp3", "b.ogg"},
     3},
    {"PlaylistsNamingThemselvesOrEachOtherAreReadOncePerAdd",
     {"self.vpl=#vpl-List\r\n/n/a.mp3\r\nself.vpl", "first.vpl=#vpl-List\r\n/n/b.mp3\r\ntwo.m3u",
      "two.m3u=#EXTM3U\n/n/c.mp3\nfirst.vpl\n", "songs.m3u=#EXTM3U\n/n/d.mp3\n",
      "middle.vpl=#vpl-List" + QString("\r\nsongs.m3u").repeated(100),
      "top.m3u=#EXTM3U" + QString("\nmiddle.vpl\ntop.m3u").repeated(100)},
     {"self.vpl", "first.vpl", "top.m3u", "songs.m3u"},
     {"/n/a.mp3", "/n/b.mp3", "/n/c.mp3", "/n/d.mp3", "/n/d.mp3"},
     7},
    // Neither a pipe nor an Ogg file is read for an MP3 tag; a playlist line tells title and
    // artist where the file's own tags give none.
    {"TagsAreReadWhenTheSettingIsOn",
     {"x.mp3#Title#Artist", "x.ogg#Title#Artist", "pipe.mp3|", "pipe.txt|", "tagged.mp3#T#",
      "plain.ogg=not really",
      "list.m3u=#EXTM3U\n#EXTINF:10,L - Line\ntagged.mp3\n#EXTINF:10,O - P\nplain.ogg"},
     {"x.mp3", "x.ogg", "pipe.txt", "pipe.mp3", "list.m3u"},
     {"x.mp3|Artist|Title", "x.ogg|N/A|x", "pipe.mp3|N/A|pipe", "tagged.mp3||T", "plain.ogg|O|P"},
     1,
     true},
    {"TagsAreNotReadWhenTheSettingIsOff",
     {"x.mp3#Title#Artist", "tagged.mp3#T#", "list.m3u=#EXTM3U\n#EXTINF:10,L - Line\ntagged.mp3"},
     {"x.mp3", "list.m3u"},
     {"x.mp3|N/A|x", "tagged.mp3|L|Line"},
     1},
    // A package given as such keeps its own import; those met in an add are offered together
    // after it, once each (a pipe never: importing it would wait for a writer).
    {"SkinPackages",
     {"a.vps", "skins/a.vps", "skins/b.vps", "skins/more/c.vps", "skins/song.wav",
      "skins/pipe.vps|", "list.m3u=#EXTM3U\na.vps\nskins/b.vps\na.vps\nmissing.vps\n"},
     {"a.vps", "skins", "list.m3u"},
     {"skins/song.wav"},
     1,
     false,
     {"a.vps"},
     {{"skins/a.vps", "skins/b.vps", "skins/more/c.vps"}, {"a.vps", "skins/b.vps"}}},
};

class OpenFilesTest : public ::testing::Test {
protected:
    QString inFolder(const QString& path) const {
        return path.isEmpty() || path.startsWith('/') ? path : folder.path(path);
    }
    QString relative(const QString& path) const {
        return path.startsWith("/n/") ? path : QDir(folder.dir.path()).relativeFilePath(path);
    }
    // Queues the paths and waits until the worker has handled them.
    void drop(const QStringList& paths) {
        for (const QString& path : paths) {
            files.addPath(inFolder(path));
        }
        files.waitUntilIdle();
    }
    TestFolder folder;
    DebugCapture debug;
    PlayList playlist;
    OpenFiles files{playlist};
};

class Drops : public OpenFilesTest, public ::testing::WithParamInterface<DropCase> {};

TEST_P(Drops, AddTheSongsFoldersAndPlaylistsNamed) {
    const DropCase& c = GetParam();
    for (const QString& file : c.files) {
        const qsizetype split = file.indexOf(QRegularExpression("[=|#]"));
        const QString name = file.left(split), rest = file.mid(split + 1);
        if (split < 0) {
            folder.write(file);
        } else if (file[split] == '|') {
            ASSERT_EQ(mkfifo(QFile::encodeName(folder.path(name)).constData(), 0600), 0);
        } else if (file[split] == '#') {
            folder.write(
                name, mp3WithTag(rest.section('#', 0, 0).toUtf8(), rest.section('#', 1).toUtf8()));
        } else {
            folder.write(name, rest.toUtf8());
        }
    }
    QStringList single;
    std::vector<QStringList> offers;
    files.setUseTags(c.tags);
    files.setSkinImport([&](const QString& path) { single << relative(path); },
                        [&](const QStringList& paths) {
                            offers.emplace_back();
                            for (const QString& path : paths) {
                                offers.back() << relative(path);
                            }
                        });
    drop(c.dropped);
    QStringList songs;
    for (const SongInfo& song : playlist.songs(0, playlist.songCount())) {
        songs << relative(song.path);
        if (c.songs.value(songs.size() - 1).contains('|')) {
            songs.back() += "|" + song.artist + "|" + song.title;
        }
    }
    EXPECT_EQ(songs, c.songs);
    EXPECT_EQ(QString::fromStdString(debug.lines()).count("playlist loaded"), c.playlistsRead)
        << "each add reads each playlist once";
    EXPECT_EQ(single, c.importedSingly);
    EXPECT_EQ(offers, c.offered);
}

INSTANTIATE_TEST_SUITE_P(Paths, Drops, ::testing::ValuesIn(dropCases), caseName);

TEST(FolderEntries, TheSystemsPseudoFileSystemsAreKnown) {
    for (const char* system : {"/proc", "/proc/self", "/sys", "/sys/kernel", "/dev"}) {
        EXPECT_TRUE(FolderEntries::isPseudoFileSystem(system)) << system;
    }
    EXPECT_FALSE(FolderEntries::isPseudoFileSystem(QDir::homePath()));
    EXPECT_FALSE(FolderEntries::isPseudoFileSystem("/"));
}

TEST_F(OpenFilesTest, LinksThatMeetAgainAddEachRealFileOnce) {
    // Each level links twice to the next, and the last back to the first: walked by name, level
    // 26 would be reached 2^26 times, and the walk would never end.
    constexpr int depth = 26;
    QStringList songs;
    for (int level = 0; level <= depth; ++level) {
        const QString here = QString("level%1/").arg(level);
        songs.append(folder.write(here + "song.wav"));
        const QString next = folder.path(QString("level%1").arg(level < depth ? level + 1 : 0));
        for (const char* link : {"left", "right"}) {
            ASSERT_TRUE(QFile::link(next, folder.path(here + link)));
        }
    }
    drop({folder.path("level0")});
    QStringList added = pathsOf(playlist);
    for (QString& path : added) {
        path = QFileInfo(path).canonicalFilePath();
    }
    added.sort();
    songs.sort();
    EXPECT_EQ(added, songs);
}

TEST_F(OpenFilesTest, NamesWithLineBreaksOrBytesThatAreNotUtf8AreAddedAsTheyAre) {
    const QByteArray music = QFile::encodeName(folder.mkdir("music"));
    for (const QByteArray& name : {QByteArray("two\nlines.mp3"), QByteArray("caf\xE9.ogg")}) {
        FILE* file = ::fopen((music + "/" + name).constData(), "w");
        ASSERT_TRUE(file);
        ::fclose(file);
    }
    drop({folder.path("music")});
    QStringList names;
    for (const SongInfo& song : playlist.songs(0, 2)) {
        names.append(QString::fromLatin1(NativePath::toNative(song.path).toHex()));
        EXPECT_TRUE(NativePath::isNonFolder(song.path));
    }
    EXPECT_EQ(names, (QStringList{QString::fromLatin1((music + "/caf\xE9.ogg").toHex()),
                                  QString::fromLatin1((music + "/two\nlines.mp3").toHex())}));
    SongInfo played;
    EXPECT_TRUE(playlist.fetch(0, played));
    EXPECT_EQ(played.title, QString("caf") + QChar(char16_t(0xDCE9)));
}

// The current song's tags first, then the songs a view shows, then the others in list order.
TEST_F(OpenFilesTest, SongsShowTheirDefaultsFirstThenGetTheirTagsInOrder) {
    for (int i = 0; i < 12; ++i) {
        folder.write(QString("s%1.mp3").arg(i, 2, 10, QChar('0')),
                     mp3WithTag("T" + QByteArray::number(i), "A"));
    }
    struct NoView : PlaylistView {
        void playlistChanged() override {}
    } view;
    playlist.addListView(&view);
    playlist.showingSongs(&view, 4, 3);
    playlist.setCurrentIndex(9);
    std::mutex arrivalsMutex;
    QStringList arrivals;
    QObject::connect(
        &playlist.events(), &PlayerEvents::songTagged, &playlist.events(),
        [&](uint32_t index, const SongInfo& song) {
            std::lock_guard guard(arrivalsMutex);
            arrivals << QString("%1 %2 %3 ").arg(index).arg(song.title).arg(playlist.songCount()) +
                            (index == 11 ? "-" : playlist.songAt(11).title);
        },
        Qt::DirectConnection);
    files.setUseTags(true);
    drop({folder.dir.path()});
    // Every song was listed before the first tag, and the last still shows its file name.
    QStringList expected;
    for (const int index : {9, 4, 5, 6, 0, 1, 2, 3, 7, 8, 10, 11}) {
        expected << QString("%1 T%1 12 %2").arg(index).arg(index == 11 ? "-" : "s11");
        EXPECT_EQ(playlist.songAt(index).title, "T" + QString::number(index));
    }
    EXPECT_EQ(arrivals, expected);
    playlist.removeListView(&view);
}

TEST(OpenFilesLifetime, StoppingCutsARunningAddShortAndDropsTheQueue) {
    TestFolder folder;
    folder.write("big/a.m3u", "#EXTM3U\n");
    for (int i = 0; i < 300; ++i) {
        folder.write(QString("big/song%1.wav").arg(i));
    }
    // Holds the walk once it has read the playlist, its first entry.
    std::mutex linesMutex;
    std::string lines;
    std::promise<void> walking, release;
    std::shared_future<void> released = release.get_future().share();
    DebugLog::setSink([&](std::string_view line) {
        {
            std::lock_guard guard(linesMutex);
            lines.append(line);
        }
        if (line == "playlist loaded \n") {
            walking.set_value();
            released.wait();
        }
    });
    PlayList playlist;
    {
        OpenFiles files(playlist);
        files.addPath(folder.path("big"));
        files.addPath("/n/queued.mp3");
        walking.get_future().wait();
        files.stop();
        release.set_value();
    }
    DebugLog::setSink({});
    EXPECT_EQ(playlist.songCount(), 0u) << "neither the rest of the walk nor the queue was added";
    EXPECT_TRUE(lines.starts_with("started openfiles thread\n"));
    EXPECT_TRUE(lines.ends_with("ended openfiles thread\n"));
}
}  // namespace
