#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <taglib/flacfile.h>
#include <taglib/infotag.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <unistd.h>
#include <QtEndian>
#include "PlaylistTestFiles.h"
#include "common/NativePath.h"
#include "playlist/SongFile.h"
#include "playlist/TagReader.h"

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

// A big-endian number of `length` bytes of `bits` bits each (7 for ID3v2's synchsafe sizes).
QByteArray number(quint32 value, int length, int bits = 8) {
    QByteArray bytes(length, '\0');
    for (int i = length - 1; i >= 0; --i, value >>= bits) {
        bytes[i] = static_cast<char>(value & ((1u << bits) - 1));
    }
    return bytes;
}

// An ID3v2 tag of version 3 (text in Latin-1) or 4 (UTF-8) with title and artist frames for the
// fields given, as a tagger writes them; a claimed size other than 0 replaces the real one.
QByteArray id3v2(int version, const QString& title, const QString& artist = {},
                 quint32 claimedSize = 0) {
    QByteArray body;
    for (const auto& [id, value] : {std::pair("TIT2", title), std::pair("TPE1", artist)}) {
        // Text frames start with their encoding byte.
        const QByteArray text = version == 3 ? '\0' + value.toLatin1() : '\3' + value.toUtf8();
        const auto size = static_cast<quint32>(text.size());
        body += value.isEmpty()
                    ? QByteArray()
                    : id + number(size, 4, version == 4 ? 7 : 8) + QByteArray(2, '\0') + text;
    }
    return "ID3" + QByteArray(1, char(version)) + QByteArray(2, '\0') +
           number(claimedSize ? claimedSize : static_cast<quint32>(body.size()), 4, 7) + body;
}

QByteArray id3v1(const QByteArray& title, const QByteArray& artist) {
    return mp3WithTag(title, artist).right(128);
}

QByteArray littleEndian(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// An APE version 2 tag without a header; a claimed size other than 0 replaces the real one.
QByteArray ape(const std::vector<std::pair<QByteArray, QByteArray>>& items,
               quint32 claimedSize = 0) {
    QByteArray body;
    for (const auto& [key, value] : items) {
        body += littleEndian(value.size()) + littleEndian(0) + key + '\0' + value;
    }
    const quint32 size = claimedSize ? claimedSize : static_cast<quint32>(body.size()) + 32;
    return body + "APETAGEX" + littleEndian(2000) + littleEndian(size) +
           littleEndian(static_cast<quint32>(items.size())) + QByteArray(12, '\0');
}

const QByteArray mpegBody(300, '\x55');
const QString corpus = VESK_SOURCE_DIR "/fuzz/audio_decoders/corpus/";

// The module bytes of the fuzz corpus with a title of 20 bytes.
QByteArray modWithTitle(const QByteArray& title) {
    return title.leftJustified(20, '\0') + readFile(corpus + "song.mod").mid(20);
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

// The file with the contents; "|" makes a named pipe, "->" a link to what follows, "?" nothing.
Maker bytes(const QString& name, const QByteArray& contents) {
    return [=](const TestFolder& folder) {
        const QString path = folder.path(name);
        const bool made = contents == "|" ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                          : contents.startsWith("->")
                              ? QFile::link(contents.mid(2), path)
                              : contents == "?" || writeFile(path, contents);
        return made ? path : QString();
    };
}

// A copy of the corpus file with the title and artist written by TagLib in the tag tagOf picks.
template <typename File, typename TagOf>
Maker tagged(const QString& source, TagOf tagOf, const QString& title, const QString& artist) {
    return [=](const TestFolder& folder) {
        const QString path = folder.write(source, readFile(corpus + source));
        File file(NativePath::toNative(path).constData());
        tagOf(file)->setTitle(TagLib::String(title.toStdWString()));
        tagOf(file)->setArtist(TagLib::String(artist.toStdWString()));
        return file.save() ? path : QString();
    };
}

const Maker hugeId3v2 =
    bytes("a.mp3", id3v2(4, "cut", {}, 0x0FFFFFFF) + mpegBody + id3v1("Old", "Band"));
const Maker hugeApe =
    bytes("a.mp3", mpegBody + ape({{"Title", "x"}}, 1u << 30) + id3v1("Old", "Band"));

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
    {"Id3v24Utf8", bytes("a.mp3", id3v2(4, japanese, bjork) + mpegBody), japanese, bjork},
    {"Id3v23Latin1", bytes("a.mp3", id3v2(3, jog, bjork) + mpegBody), jog, bjork},
    {"Id3v2BeforeId3v1FieldByField",
     bytes("a.mp3", id3v2(4, "New") + mpegBody + id3v1("Old", "Band")), "New", "Band"},
    {"ApeBeforeId3v1",
     bytes("a.mp3", mpegBody + ape({{"Title", "Ape title"}, {"Artist", "Ape artist"}}) +
                        id3v1("Old", "Band")),
     "Ape title", "Ape artist"},
    {"Id3v1Latin1KeepsItsSpaces", bytes("a.mp3", mpegBody + id3v1(" Jog\xF0 ", "Bj\xF6rk")),
     QString::fromUtf8(" Jogð "), bjork},
    {"Id3v1ThirtyBytes", bytes("a.mp3", mpegBody + id3v1(thirty + "cut", "")), thirty, ""},
    {"Id3v1BothEmptyIsNoTag", bytes("a.mp3", mpegBody + id3v1("", "")), std::nullopt, std::nullopt},
    {"Id3v1Cut", bytes("a.mp3", "TAGabc"), std::nullopt, std::nullopt},
    {"Id3v2ClaimingItsLargestSize", hugeId3v2, "cut", "Band"},
    {"ApeClaimingOneGigabyte", hugeApe, "Old", "Band"},
    {"OggVorbisComments",
     tagged<TagLib::Ogg::Vorbis::File>(
         "tone.ogg", [](auto& file) { return file.tag(); }, japanese, bjork),
     japanese, bjork},
    {"FlacVorbisComments",
     tagged<TagLib::FLAC::File>(
         "tone.flac", [](auto& file) { return file.xiphComment(true); }, jog, bjork),
     jog, bjork},
    {"WavRiffInfo",
     tagged<TagLib::RIFF::WAV::File>(
         "tone.wav", [](auto& file) { return file.InfoTag(); }, "Info title", "Info artist"),
     "Info title", "Info artist"},
    {"ModTitle", bytes("a.mod", modWithTitle("Mod title")), "Mod title", std::nullopt},
    {"XmTitle", bytes("a.xm", xmWithTitle("Xm title")), "Xm title", std::nullopt},
    {"NoTagAtAll", bytes("a.flac", QByteArray(4000, 'x')), std::nullopt, std::nullopt},
    {"NamedPipeIsNotOpened", bytes("pipe.mp3", "|"), std::nullopt, std::nullopt},
    {"DeviceIsNotRead", bytes("zero.flac", "->/dev/zero"), std::nullopt, std::nullopt},
    {"MissingFile", bytes("none.mp3", "?"), std::nullopt, std::nullopt},
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
