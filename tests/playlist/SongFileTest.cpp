#include "playlist/SongFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <taglib/apetag.h>
#include <taglib/infotag.h>
#include <taglib/mpegfile.h>
#include <taglib/wavfile.h>
#include <unistd.h>

#include <QtEndian>

#include "PlaylistTestFiles.h"
#include "common/NativePath.h"
#include "playlist/TagReader.h"
#include "support/WavFile.h"

namespace {

TEST(SongFileKind, ExtensionsInAnyLetterCaseAndOnlyTheLastNameDecide) {
    const std::pair<PathKind, std::vector<const char*>> cases[] = {
        {PathKind::Mp3, {"/m/a.mp3", "/m/SONG.MP3"}},
        {PathKind::Sound,
         {"a.wav", "a.OGG", "a.Flac", "a.mod", "a.it", "a.s3d", "a.S3M", "a.xm", "a.Opus",
          "/media/v1.2/track.ogg"}},
        {PathKind::SkinPackage, {"/m/blue.VPS"}},
        {PathKind::Other, {"/m/list.vpl", "/m/a.mp3.txt", "."}},
        {PathKind::Empty, {""}},
        {PathKind::Folder,
         {"relative", "/home/john.doe/Music", "/home/john.doe/Music/", "/media/v1.2/track"}},
    };
    for (const auto& [kind, paths] : cases) {
        for (const char* path : paths) {
            EXPECT_EQ(SongFile::kindOf(path), kind) << path;
        }
    }
    EXPECT_EQ(SongFile::withDefaults("/home/john.doe/Music/my.song.mp3"),
              (SongInfo{"/home/john.doe/Music/my.song.mp3", "N/A", "my.song"}));
    EXPECT_EQ(SongFile::withDefaults("/x/.mp3").title, "");
}

// ID3v2 frames as a tagger writes them: text frames start with their encoding byte.
enum Encoding : char { latin1 = 0, utf16 = 1, utf8 = 3 };

QByteArray text(Encoding encoding, const QString& value) {
    const QByteArray utf16le =
        "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(value.utf16()), value.size() * 2);
    return QByteArray(1, encoding) + (encoding == latin1 ? value.toLatin1()
                                      : encoding == utf8 ? value.toUtf8()
                                                         : utf16le);
}

// A big-endian number of `length` bytes of `bits` bits each (7 for ID3v2's synchsafe sizes).
QByteArray number(quint32 value, int length, int bits = 8) {
    QByteArray bytes(length, '\0');
    for (int i = length - 1; i >= 0; --i, value >>= bits) {
        bytes[i] = static_cast<char>(value & ((1u << bits) - 1));
    }
    return bytes;
}

// An ID3v2 tag of the version (2, 3 or 4) with (frame id, payload) frames; a claimed size
// other than 0 replaces the real one.
QByteArray id3v2(int version, const std::vector<std::pair<QByteArray, QByteArray>>& frames,
                 quint32 claimedSize = 0) {
    QByteArray body;
    for (const auto& [id, payload] : frames) {
        const auto size = static_cast<quint32>(payload.size());
        body += id + (version == 2   ? number(size, 3)
                      : version == 4 ? number(size, 4, 7) + QByteArray(2, '\0')
                                     : number(size, 4) + QByteArray(2, '\0'));
        body += payload;
    }
    return "ID3" + QByteArray(1, char(version)) + QByteArray(2, '\0') +
           number(claimedSize ? claimedSize : static_cast<quint32>(body.size()), 4, 7) + body;
}

QByteArray id3v1(const QByteArray& title, const QByteArray& artist) {
    return mp3WithTag(title, artist).right(128);
}

// An APE tag footer alone, claiming the size.
QByteArray apeFooterClaiming(quint32 size) {
    QByteArray footer = "APETAGEX";
    for (quint32 value : {2000u, size, 1u, 0u}) {
        footer += QByteArray(4, '\0');
        qToLittleEndian(value, footer.data() + footer.size() - 4);
    }
    return footer + QByteArray(8, '\0');
}

const QByteArray mpegBody(300, '\x55');

// posix_spawn rather than QProcess: ThreadSanitizer cannot follow the clone() that QProcess
// forks with, and these tests run under it.
bool runs(const QStringList& command) {
    std::vector<QByteArray> words;
    std::vector<char*> argv;
    for (const QString& word : command) {
        words.push_back(word.toLocal8Bit());
    }
    for (QByteArray& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int failed = posix_spawnp(&child, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    return failed == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// The module bytes of the fuzz corpus with a title of 20 bytes.
QByteArray modWithTitle(const QByteArray& title) {
    return title.leftJustified(20, '\0') +
           readFile(VESK_SOURCE_DIR "/fuzz/audio_decoders/corpus/song.mod").mid(20);
}

QByteArray xmWithTitle(const QByteArray& title) {
    QByteArray header(276, '\0');
    qToLittleEndian<quint32>(276, header.data());
    header[4] = 1;   // song length
    header[8] = 2;   // channels
    header[16] = 6;  // tempo
    header[18] = 125;
    return "Extended Module: " + title.leftJustified(20, ' ') + '\x1a' +
           QByteArray("VeskTest").leftJustified(20, ' ') + QByteArray("\x04\x01", 2) + header;
}

// One way of making a file in the folder; gives its path, empty when it could not be made.
using Maker = std::function<QString(const TestFolder&)>;

Maker bytes(const QString& name, const QByteArray& contents) {
    return [=](const TestFolder& folder) { return folder.write(name, contents); };
}

Maker encoded(const QString& name, const QStringList& command) {
    return [=](const TestFolder& folder) {
        const QString wav = folder.path("source.wav");
        const bool made = writeToneWav(wav, 0.2, 44100) &&
                          runs(command + QStringList{"-o", folder.path(name), wav});
        return made ? folder.path(name) : QString();
    };
}

template <typename File>
Maker tagged(const QString& name, const QString& title, const QString& artist,
             TagLib::Tag* (*tagOf)(File&), bool (*save)(File&), const QByteArray& trailer = {}) {
    return [=](const TestFolder& folder) {
        const QString path = folder.path(name);
        if (!(name.endsWith(".wav") ? writeToneWav(path, 0.1) : writeFile(path, mpegBody))) {
            return QString();
        }
        {
            File file(NativePath::toNative(path).constData());
            tagOf(file)->setTitle(TagLib::String(title.toStdWString()));
            tagOf(file)->setArtist(TagLib::String(artist.toStdWString()));
            if (!save(file)) {
                return QString();
            }
        }
        return writeFile(path, readFile(path) + trailer) ? path : QString();
    };
}

const Maker wavWithInfo = tagged<TagLib::RIFF::WAV::File>(
    "info.wav", "Info title", "Info artist",
    [](auto& file) -> TagLib::Tag* { return file.InfoTag(); },
    [](auto& file) { return file.save(); });

const Maker mp3WithApeAndId3v1 = tagged<TagLib::MPEG::File>(
    "ape.mp3", "Ape title", "Ape artist",
    [](auto& file) -> TagLib::Tag* { return file.APETag(true); },
    [](auto& file) { return file.save(TagLib::MPEG::File::APE); }, id3v1("Old", "Band"));

const Maker hugeId3v2 = bytes(
    "a.mp3", id3v2(4, {{"TIT2", text(utf8, "cut")}}, 0x0FFFFFFF) + mpegBody + id3v1("Old", "Band"));
const Maker hugeApe = bytes("a.mp3", mpegBody + apeFooterClaiming(1u << 30) + id3v1("Old", "Band"));

struct TagCase {
    const char* name;
    Maker make;
    std::optional<QString> title, artist;
};

const QString japanese = QString::fromUtf8("日本");
const QString bjork = QString::fromUtf8("Björk");
const QString jog = QString::fromUtf8("Jógvan");
const QByteArray thirty(30, 'x');

const TagCase tagCases[] = {
    {"Id3v24Utf8",
     bytes("a.mp3",
           id3v2(4, {{"TIT2", text(utf8, japanese)}, {"TPE1", text(utf8, bjork)}}) + mpegBody),
     japanese, bjork},
    {"Id3v23Utf16WithByteOrderMark",
     bytes("a.mp3",
           id3v2(3, {{"TIT2", text(utf16, japanese)}, {"TPE1", text(utf16, bjork)}}) + mpegBody),
     japanese, bjork},
    {"Id3v23Latin1",
     bytes("a.mp3",
           id3v2(3, {{"TIT2", text(latin1, jog)}, {"TPE1", text(latin1, bjork)}}) + mpegBody),
     jog, bjork},
    {"Id3v22Latin1",
     bytes("a.mp3",
           id3v2(2, {{"TT2", text(latin1, jog)}, {"TP1", text(latin1, bjork)}}) + mpegBody),
     jog, bjork},
    {"Id3v2BeforeId3v1FieldByField",
     bytes("a.mp3", id3v2(4, {{"TIT2", text(utf8, "New")}}) + mpegBody + id3v1("Old", "Band")),
     "New", "Band"},
    {"ApeBeforeId3v1", mp3WithApeAndId3v1, "Ape title", "Ape artist"},
    {"Id3v1Latin1KeepsItsSpaces", bytes("a.mp3", mpegBody + id3v1(" Jog\xF0 ", "Bj\xF6rk")),
     QString::fromUtf8(" Jogð "), bjork},
    {"Id3v1ThirtyBytes", bytes("a.mp3", mpegBody + id3v1(thirty + "cut", "")), thirty, ""},
    {"Id3v1BothEmptyIsNoTag", bytes("a.mp3", mpegBody + id3v1("", "")), std::nullopt, std::nullopt},
    {"Id3v1Cut", bytes("a.mp3", "TAGabc"), std::nullopt, std::nullopt},
    {"Id3v2ClaimingItsLargestSize", hugeId3v2, "cut", "Band"},
    {"ApeClaimingOneGigabyte", hugeApe, "Old", "Band"},
    {"OggVorbisComments", encoded("a.ogg", {"oggenc", "-Q", "-t", japanese, "-a", bjork}), japanese,
     bjork},
    {"FlacVorbisComments",
     encoded("a.flac", {"flac", "-s", "-T", "TITLE=" + jog, "-T", "ARTIST=" + bjork}), jog, bjork},
    {"WavRiffInfo", wavWithInfo, "Info title", "Info artist"},
    {"ModTitle", bytes("a.mod", modWithTitle("Mod title")), "Mod title", std::nullopt},
    {"XmTitle", bytes("a.xm", xmWithTitle("Xm title")), "Xm title", std::nullopt},
    {"NoTagAtAll", bytes("a.flac", QByteArray(4000, 'x')), std::nullopt, std::nullopt},
    {"NamedPipeIsNotOpened",
     [](const TestFolder& folder) {
         const QString path = folder.path("pipe.mp3");
         return ::mkfifo(NativePath::toNative(path).constData(), 0600) == 0 ? path : QString();
     },
     std::nullopt, std::nullopt},
    {"DeviceIsNotRead",
     [](const TestFolder& folder) {
         const QString path = folder.path("zero.flac");
         return QFile::link("/dev/zero", path) ? path : QString();
     },
     std::nullopt, std::nullopt},
    {"MissingFile", [](const TestFolder& folder) { return folder.path("none.mp3"); }, std::nullopt,
     std::nullopt},
};

class TagReading : public ::testing::TestWithParam<TagCase> {
protected:
    TestFolder folder;
};

TEST_P(TagReading, GivesTheFieldsOfTheTagsInTheirOrder) {
    const QString path = GetParam().make(folder);
    ASSERT_FALSE(path.isEmpty()) << "the file could not be made";
    const SongTags tags = TagReader::read(path);
    EXPECT_EQ(tags.title, GetParam().title);
    EXPECT_EQ(tags.artist, GetParam().artist);
    // What the song shows: the defaults where no tag gives a field.
    EXPECT_EQ(SongFile::fromTag(path),
              (SongInfo{path, GetParam().artist.value_or("N/A"),
                        GetParam().title.value_or(SongFile::withDefaults(path).title)}));
}

INSTANTIATE_TEST_SUITE_P(Formats, TagReading, ::testing::ValuesIn(tagCases), caseName);

#ifndef VESK_SANITIZER_BUILD
// A tag that claims more than the file holds must not make the reader ask for it: the read runs
// in a child whose address space may grow by 64 MiB at most. (Sanitizers reserve address space
// of their own, so this runs in the plain build.)
TEST(TagReadingMemory, ClaimsBeyondTheFileAllocateNothingLarge) {
    TestFolder folder;
    for (const Maker& make : {hugeId3v2, hugeApe}) {
        const QString path = make(folder);
        const pid_t child = ::fork();
        if (child == 0) {
            rlimit limit{};
            ::getrlimit(RLIMIT_AS, &limit);
            const long pages = readFile("/proc/self/statm").split(' ').value(0).toLong();
            limit.rlim_cur = static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE)) + (64 << 20);
            ::setrlimit(RLIMIT_AS, &limit);
            TagReader::read(path);
            ::_exit(0);
        }
        int result = 0;
        ASSERT_EQ(::waitpid(child, &result, 0), child);
        EXPECT_TRUE(WIFEXITED(result) && WEXITSTATUS(result) == 0);
    }
}
#endif

}  // namespace
