#include "playlist/OpenFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <future>

#include "PlaylistTestFiles.h"
#include "common/NativePath.h"
#include "playlist/FolderEntries.h"
#include "playlist/PlayList.h"
#include "support/DebugCapture.h"

namespace {

class OpenFilesTest : public ::testing::Test {
protected:
    // Queues the paths and waits until the worker has handled them.
    void drop(const QStringList& paths) {
        for (const QString& path : paths) {
            files.addPath(path);
        }
        files.waitUntilIdle();
    }

    TestFolder folder;
    DebugCapture debug;
    PlayList playlist;
    OpenFiles files{playlist};
};

TEST_F(OpenFilesTest, AFolderIsWalkedWithItsUndottedSubfoldersAndKnownSongs) {
    const QString music = folder.mkdir("john.doe/Music");
    folder.write("john.doe/Music/a.mp3");
    folder.write("john.doe/Music/B.WAV");
    folder.write("john.doe/Music/c.S3M");
    folder.write("john.doe/Music/notes.txt", "not a playlist\n");
    folder.write("john.doe/Music/noext");
    folder.write("john.doe/Music/sub/d.ogg");
    folder.write("john.doe/Music/sub/deeper/e.flac");
    folder.write("john.doe/Music/old.songs/f.xm");
    drop({music});
    EXPECT_EQ(pathsOf(playlist), (QStringList{music + "/B.WAV", music + "/a.mp3", music + "/c.S3M",
                                              music + "/sub/d.ogg", music + "/sub/deeper/e.flac"}));
}

TEST_F(OpenFilesTest, SongsInADottedFolderAreRecognisedByTheirOwnNames) {
    const QString song = folder.write("v1.2/track.it");
    EXPECT_TRUE(files.classify(song));
    EXPECT_EQ(playlist.songAt(0), (SongInfo{song, "N/A", "track"}));
}

TEST_F(OpenFilesTest, TagsAreReadOnlyWhenTheSettingIsOn) {
    const QString song = folder.write("x.mp3", mp3WithTag("Title", "Artist"));
    drop({song});
    files.setUseTags(true);
    EXPECT_TRUE(files.useTags());
    drop({song});
    EXPECT_EQ(playlist.songAt(0), (SongInfo{song, "N/A", "x"}));
    EXPECT_EQ(playlist.songAt(1), (SongInfo{song, "Artist", "Title"}));
}

TEST_F(OpenFilesTest, AnOggFileIsNotReadForAnMp3Tag) {
    files.setUseTags(true);
    const QString song = folder.write("x.ogg", mp3WithTag("Title", "Artist"));
    drop({song});
    EXPECT_EQ(playlist.songAt(0), (SongInfo{song, "N/A", "x"}));
}

TEST_F(OpenFilesTest, ASkinPackageGoesToTheSkinImportAndAddsNoSong) {
    const QString package = folder.write("blue.vps", "package");
    drop({package});
    EXPECT_NE(debug.lines().find("no skin import for " + package.toStdString() + "\n"),
              std::string::npos);

    QStringList imported;
    files.setSkinImport([&imported](const QString& path) { imported.append(path); }, {});
    drop({package});
    EXPECT_EQ(imported, QStringList{package});
    EXPECT_EQ(playlist.songCount(), 0u);
}

TEST_F(OpenFilesTest, AFileThatIsNoPlaylistAddsNothingAndIsRejected) {
    EXPECT_FALSE(files.classify(folder.write("readme.txt", "hello\n#vpl-List\nx.mp3")));
    EXPECT_FALSE(files.classify(folder.path("gone.m3u")));
    EXPECT_TRUE(files.classify(""));
    EXPECT_EQ(playlist.songCount(), 0u);
}

TEST_F(OpenFilesTest, APlaylistAddsItsSongsFoldersAndNestedPlaylists) {
    const QString inner = folder.write("inner.m3u", "#EXTM3U\n#EXTINF:1,x\n/n/inner.ogg\n");
    const QString albums = folder.mkdir("albums");
    folder.write("albums/z.wav");
    const QString outer = folder.write("outer.vpl", ("#vpl-List\r\n/n/first.mp3\r\n" + inner +
                                                     "\r\n" + albums + "\r\n\r\n/n/last.xm\r\n")
                                                        .toUtf8());
    EXPECT_TRUE(files.classify(outer));
    EXPECT_EQ(pathsOf(playlist),
              (QStringList{"/n/first.mp3", "/n/inner.ogg", albums + "/z.wav", "/n/last.xm"}));
    EXPECT_NE(debug.lines().find("playlist loaded \n"), std::string::npos);
}

TEST_F(OpenFilesTest, RelativeEntriesNameFilesBesideThePlaylist) {
    folder.mkdir("party/songs");
    folder.write("party/songs/a.mp3");
    const QString m3u = folder.write("party/mix.m3u", "#EXTM3U\nsongs/a.mp3\n../b.ogg\n");
    const QString vpl = folder.write("party/mix.vpl", "#vpl-List\r\nsongs/a.mp3");
    drop({m3u, vpl});
    EXPECT_EQ(pathsOf(playlist),
              (QStringList{folder.path("party/songs/a.mp3"), folder.path("b.ogg"),
                           folder.path("party/songs/a.mp3")}));
}

TEST_F(OpenFilesTest, APlaylistNamingItselfDirectlyOrThroughAnotherIsReadOnce) {
    const QString self = folder.path("self.vpl");
    folder.write("self.vpl", ("#vpl-List\r\n/n/a.mp3\r\n" + self).toUtf8());
    const QString first = folder.path("first.vpl");
    const QString second = folder.path("second.m3u");
    folder.write("first.vpl", ("#vpl-List\r\n/n/b.mp3\r\n" + second).toUtf8());
    folder.write("second.m3u", ("#EXTM3U\n/n/c.mp3\n" + first + "\n").toUtf8());
    drop({self, first});
    EXPECT_EQ(pathsOf(playlist), (QStringList{"/n/a.mp3", "/n/b.mp3", "/n/c.mp3"}));
}

TEST_F(OpenFilesTest, ANamedPipeIsNeitherReadForATagNorAsAPlaylist) {
    const QString pipe = folder.path("pipe.mp3");
    const QString other = folder.path("pipe.txt");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(other).constData(), 0600), 0);
    files.setUseTags(true);
    EXPECT_FALSE(files.classify(other));
    EXPECT_TRUE(files.classify(pipe));
    EXPECT_EQ(playlist.songAt(0), (SongInfo{pipe, "N/A", "pipe"}));
}

TEST_F(OpenFilesTest, QueuedPathsAreHandledInTheOrderGiven) {
    drop({"/n/1.mp3", "", "/n/2.flac", "/n/nothing.here", "/n/3.xm"});
    EXPECT_EQ(pathsOf(playlist), (QStringList{"/n/1.mp3", "/n/2.flac", "/n/3.xm"}));
}

TEST_F(OpenFilesTest, LinksThatMeetAgainAddEachRealFileOnce) {
    // Each level links twice to the next, and the last back to the first: walked by name, level
    // 26 would be reached 2^26 times, and the walk would never end.
    constexpr int depth = 26;
    QStringList songs;
    for (int level = 0; level <= depth; ++level) {
        songs.append(folder.write(QString("level%1/song.wav").arg(level)));
        if (level < depth) {
            for (const char* link : {"left", "right"}) {
                ASSERT_TRUE(QFile::link(folder.path(QString("level%1").arg(level + 1)),
                                        folder.path(QString("level%1/%2").arg(level).arg(link))));
            }
        }
        if (level == depth) {
            ASSERT_TRUE(QFile::link(folder.path("level0"),
                                    folder.path(QString("level%1/back").arg(level))));
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

TEST_F(OpenFilesTest, PlaylistsNamingEachOtherManyTimesAreReadOncePerAdd) {
    const QString songs = folder.write("songs.m3u", "#EXTM3U\n/n/a.mp3\n/n/b.ogg\n");
    QByteArray middle = "#vpl-List";
    QByteArray top = "#EXTM3U";
    for (int i = 0; i < 100; ++i) {
        middle += "\r\n" + songs.toUtf8();
        top += "\n" + folder.path("middle.vpl").toUtf8() + "\n" + folder.path("top.m3u").toUtf8();
    }
    folder.write("middle.vpl", middle);
    const QString topPath = folder.write("top.m3u", top);
    drop({topPath, songs});
    EXPECT_EQ(pathsOf(playlist), (QStringList{"/n/a.mp3", "/n/b.ogg", "/n/a.mp3", "/n/b.ogg"}))
        << "each add reads each playlist once";
    std::string lines = debug.lines();
    int readings = 0;
    for (size_t at = lines.find("playlist loaded"); at != std::string::npos;
         at = lines.find("playlist loaded", at + 1)) {
        ++readings;
    }
    EXPECT_EQ(readings, 4);
}

TEST_F(OpenFilesTest, TheSystemsPseudoFileSystemsAreNotWalked) {
    for (const char* system : {"/proc", "/proc/self", "/sys", "/sys/kernel", "/dev"}) {
        EXPECT_TRUE(FolderEntries::isPseudoFileSystem(system)) << system;
    }
    EXPECT_FALSE(FolderEntries::isPseudoFileSystem(folder.mkdir("music")));
    EXPECT_FALSE(FolderEntries::isPseudoFileSystem("/"));
    const QString playlistOfSystem = folder.write("system.m3u", "#EXTM3U\n/proc\n/sys\n/dev\n");
    drop({playlistOfSystem});
    EXPECT_EQ(playlist.songCount(), 0u);
}

TEST_F(OpenFilesTest, NamesWithLineBreaksOrBytesThatAreNotUtf8AreAddedAsTheyAre) {
    const QByteArray music = QFile::encodeName(folder.mkdir("music"));
    for (const QByteArray& name : {QByteArray("two\nlines.mp3"), QByteArray("caf\xE9.ogg")}) {
        QFile file;
        ASSERT_TRUE(file.open(::fopen((music + "/" + name).constData(), "w"), QIODevice::WriteOnly,
                              QFileDevice::AutoCloseHandle));
    }
    drop({folder.path("music")});
    ASSERT_EQ(playlist.songCount(), 2u);
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

TEST(OpenFilesLifetime, StoppingCutsARunningAddShortAndDropsTheQueue) {
    TestFolder folder;
    folder.write("big/a.m3u", "#EXTM3U\n");
    for (int i = 0; i < 300; ++i) {
        folder.write(QString("big/song%1.wav").arg(i));
    }
    // Holds the walk once it has read the playlist, its first entry.
    std::mutex linesMutex;
    std::string lines;
    std::promise<void> walking;
    std::promise<void> release;
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
    EXPECT_EQ(lines.find("started openfiles thread\n"), 0u);
    EXPECT_EQ(lines.size() - lines.rfind("ended openfiles thread\n"),
              std::string("ended openfiles thread\n").size());
}

TEST(OpenFilesLifetime, TheProcessWorkerAddsToTheProcessPlaylist) {
    OpenFiles::instance().addPath("/n/one.mp3");
    OpenFiles::instance().waitUntilIdle();
    EXPECT_EQ(PlayList::instance().songAt(0).path, "/n/one.mp3");
    OpenFiles::deleteInstance();
    PlayList::deleteInstance();
}

}  // namespace
