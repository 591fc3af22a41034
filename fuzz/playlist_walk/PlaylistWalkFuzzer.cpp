// Any bytes as a playlist file inside a small synthetic tree of songs, folders, links that meet
// again or loop, and playlists that name each other, handled as the file worker handles a dropped
// playlist: no crash, no hang, and the songs stay bounded (each real folder walked and each
// playlist read once per add).
//
// Lines that start with "/" are taken inside the tree, and lines with ".." are refused, so an
// input never walks the machine's own folders.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/DebugLog.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "playlist/SongFile.h"

namespace {

constexpr int songsInTree = 7;

void write(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(contents);
    }
}

QString makeTree(const QTemporaryDir& dir) {
    const QString top = dir.filePath("tree");
    const QByteArray tag = QByteArray(200, '\x55') + "TAGtitle" + QByteArray(117, '\0');
    write(top + "/music/a.mp3", tag);
    write(top + "/music/b.ogg", {});
    write(top + "/music/sub/c.flac", {});
    write(top + "/music/dotted.dir/d.wav", {});
    write(top + "/music/e.XM", {});
    write(top + "/music/notes.txt", "just text\n");
    write(top + "/other/f.it", {});
    write(top + "/other/g.s3m", {});
    write(top + "/lists/one.m3u", "#EXTM3U\n#EXTINF:1,x\n../music\n../lists/two.vpl\n");
    write(top + "/lists/two.vpl", "#vpl-List\r\none.m3u\r\ntwo.vpl\r\n../other\r\n../input.vpl");
    write(top + "/skin.vps", "package");
    QDir().mkpath(top + "/diamond");
    for (const char* link : {"left", "right"}) {
        QFile::link(top + "/music", top + "/diamond/" + link);
    }
    QFile::link(top, top + "/music/sub/loop");
    QFile::link(top + "/lists/one.m3u", top + "/lists/alias");
    return top;
}

// The input with its absolute lines put inside the tree; refused when a line climbs out of it.
QByteArray insideTree(const QByteArray& input, const QByteArray& top, bool& refused) {
    QByteArray kept;
    for (const QByteArray& line : input.split('\n')) {
        if (line.contains("..")) {
            refused = true;
            return {};
        }
        kept += (line.startsWith('/') ? top + line : line) + '\n';
    }
    kept.chop(1);
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static const bool quiet = (DebugLog::setSink([](std::string_view) {}), true);
    (void)quiet;
    static const QString top = makeTree(dir);
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    bool refused = false;
    const QByteArray contents = insideTree(input, QFile::encodeName(top), refused);
    if (refused) {
        return 0;
    }
    const QString playlistPath = top + "/input.vpl";
    write(playlistPath, contents);

    PlayList playlist;
    {
        OpenFiles files(playlist);
        files.setUseTags(true);
        files.setSkinImport([](const QString&) {}, [](const QStringList&) {});
        files.classify(playlistPath);
    }
    // Each line adds at most one song, one walk of the tree or one reading of each playlist.
    const qsizetype lines = contents.count('\n') + 1;
    const uint32_t bound = static_cast<uint32_t>((lines + 16) * songsInTree);
    if (playlist.songCount() > bound) {
        std::abort();
    }
    for (const SongInfo& song : playlist.songs(0, playlist.songCount())) {
        if (song.path.isEmpty() || SongFile::kindOf(song.path) == PathKind::Other) {
            std::abort();
        }
    }
    return 0;
}
