#include "playlist/TagReader.h"

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

#include <QFile>
#include <QtEndian>
#include <functional>

#include "PlaylistTestFiles.h"
#include "common/NativePath.h"
#include "playlist/SongFile.h"
#include "support/WavFile.h"

namespace {

// ID3v2 frames as a tagger writes them: text frames start with their encoding byte.
enum Encoding : char { latin1 = 0, utf16 = 1, utf8 = 3 };

QByteArray text(Encoding encoding, const QString& value) {
    QByteArray bytes(1, encoding);
    if (encoding == latin1) {
        bytes += value.toLatin1();
    } else if (encoding == utf8) {
        bytes += value.toUtf8();
    } else {
        bytes += "\xFF\xFE";  // little-endian byte-order mark
        bytes += QByteArray(reinterpret_cast<const char*>(value.utf16()), value.size() * 2);
    }
    return bytes;
}

QByteArray synchsafe(quint32 value) {
    QByteArray bytes(4, '\0');
    for (int i = 3; i >= 0; --i, value >>= 7) {
        bytes[i] = static_cast<char>(value & 0x7F);
    }
    return bytes;
}

QByteArray bigEndian(quint32 value, int length) {
    QByteArray bytes(length, '\0');
    for (int i = length - 1; i >= 0; --i, value >>= 8) {
        bytes[i] = static_cast<char>(value & 0xFF);
    }
    return bytes;
}

// An ID3v2 tag of the version (2, 3 or 4) with (frame id, payload) frames; a claimed size
// other than 0 replaces the real one.
QByteArray id3v2(int version, const std::vector<std::pair<QByteArray, QByteArray>>& frames,
                 quint32 claimedSize = 0) {
    QByteArray body;
    for (const auto& [id, payload] : frames) {
        body += id;
        if (version == 2) {
            body += bigEndian(static_cast<quint32>(payload.size()), 3);
        } else {
            body += version == 4 ? synchsafe(static_cast<quint32>(payload.size()))
                                 : bigEndian(static_cast<quint32>(payload.size()), 4);
            body += QByteArray(2, '\0');
        }
        body += payload;
    }
    QByteArray tag = "ID3";
    tag += static_cast<char>(version);
    tag += QByteArray(2, '\0');
    tag += synchsafe(claimedSize ? claimedSize : static_cast<quint32>(body.size()));
    return tag + body;
}

QByteArray id3v1(const QByteArray& title, const QByteArray& artist) {
    return mp3WithTag(title, artist).right(128);
}

// An APE tag footer alone, claiming the size.
QByteArray apeFooterClaiming(quint32 size) {
    QByteArray footer = "APETAGEX";
    char raw[4];
    for (quint32 value : {2000u, size, 1u, 0u}) {
        qToLittleEndian(value, raw);
        footer.append(raw, 4);
    }
    return footer + QByteArray(8, '\0');
}

const QByteArray mpegBody(300, '\x55');

// posix_spawn rather than QProcess: ThreadSanitizer cannot follow the clone() that QProcess
// forks with, and these tests run under it.
bool runs(const QString& program, const QStringList& arguments) {
    std::vector<QByteArray> words{program.toLocal8Bit()};
    for (const QString& argument : arguments) {
        words.push_back(argument.toLocal8Bit());
    }
    std::vector<char*> argv;
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
    QFile file(VESK_SOURCE_DIR "/fuzz/audio_decoders/corpus/song.mod");
    file.open(QIODevice::ReadOnly);
    return title.leftJustified(20, '\0') + file.readAll().mid(20);
}

QByteArray xmWithTitle(const QByteArray& title) {
    QByteArray xm = "Extended Module: " + title.leftJustified(20, ' ') + '\x1a' +
                    QByteArray("VeskTest").leftJustified(20, ' ') + QByteArray("\x04\x01", 2);
    QByteArray header(276, '\0');
    qToLittleEndian<quint32>(276, header.data());
    header[4] = 1;   // song length
    header[8] = 2;   // channels
    header[16] = 6;  // tempo
    header[18] = 125;
    return xm + header;
}

// One way of making a file, by its name, in the folder; empty when it could not be made.
using Maker = std::function<QString(const TestFolder&)>;

Maker bytes(const QString& name, const QByteArray& contents) {
    return [=](const TestFolder& folder) { return folder.write(name, contents); };
}

Maker encoded(const QString& name, const QString& program, const QStringList& options) {
    return [=](const TestFolder& folder) {
        const QString wav = folder.path(name + ".source.wav");
        const QString out = folder.path(name);
        if (!writeToneWav(wav, 0.2, 44100) ||
            !runs(program, options + QStringList{"-o", out, wav})) {
            return QString();
        }
        return out;
    };
}

Maker wavWithInfo(const QString& title, const QString& artist) {
    return [=](const TestFolder& folder) {
        const QString path = folder.path("info.wav");
        writeToneWav(path, 0.1);
        TagLib::RIFF::WAV::File file(NativePath::toNative(path).constData());
        file.InfoTag()->setTitle(TagLib::String(title.toStdWString()));
        file.InfoTag()->setArtist(TagLib::String(artist.toStdWString()));
        return file.save() ? path : QString();
    };
}

Maker mp3WithApe(const QString& title, const QString& artist, const QByteArray& trailer) {
    return [=](const TestFolder& folder) {
        const QString path = folder.write("ape.mp3", mpegBody);
        {
            TagLib::MPEG::File file(NativePath::toNative(path).constData());
            file.APETag(true)->setTitle(TagLib::String(title.toStdWString()));
            file.APETag(true)->setArtist(TagLib::String(artist.toStdWString()));
            if (!file.save(TagLib::MPEG::File::APE)) {
                return QString();
            }
        }
        QFile file(path);
        file.open(QIODevice::Append);
        file.write(trailer);
        return path;
    };
}

Maker fifo(const QString& name) {
    return [=](const TestFolder& folder) {
        const QString path = folder.path(name);
        return ::mkfifo(NativePath::toNative(path).constData(), 0600) == 0 ? path : QString();
    };
}

struct TagCase {
    const char* name;
    Maker make;
    std::optional<QString> title;
    std::optional<QString> artist;
};

const QString japanese = QString::fromUtf8("日本");
const QString bjork = QString::fromUtf8("Björk");
const QString jog = QString::fromUtf8("Jógvan");

const TagCase cases[] = {
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
    {"ApeBeforeId3v1", mp3WithApe("Ape title", "Ape artist", id3v1("Old", "Band")), "Ape title",
     "Ape artist"},
    {"Id3v1AloneKeepsItsSpaces", bytes("a.mp3", mpegBody + id3v1(" Spaced ", "")), " Spaced ", ""},
    {"Id3v1BothEmptyIsNoTag", bytes("a.mp3", mpegBody + id3v1("", "")), std::nullopt, std::nullopt},
    {"Id3v2ClaimingItsLargestSize",
     bytes("a.mp3",
           id3v2(4, {{"TIT2", text(utf8, "cut")}}, 0x0FFFFFFF) + mpegBody + id3v1("Old", "Band")),
     "cut", "Band"},
    {"ApeClaimingOneGigabyte",
     bytes("a.mp3", mpegBody + apeFooterClaiming(1u << 30) + id3v1("Old", "Band")), "Old", "Band"},
    {"OggVorbisComments", encoded("a.ogg", "oggenc", {"-Q", "-t", japanese, "-a", bjork}), japanese,
     bjork},
    {"FlacVorbisComments",
     encoded("a.flac", "flac", {"-s", "-T", "TITLE=" + jog, "-T", "ARTIST=" + bjork}), jog, bjork},
    {"WavRiffInfo", wavWithInfo("Info title", "Info artist"), "Info title", "Info artist"},
    {"ModTitle", bytes("a.mod", modWithTitle("Mod title")), "Mod title", std::nullopt},
    {"XmTitle", bytes("a.xm", xmWithTitle("Xm title")), "Xm title", std::nullopt},
    {"NoTagAtAll", bytes("a.flac", QByteArray(4000, 'x')), std::nullopt, std::nullopt},
    {"NamedPipeIsNotOpened", fifo("pipe.mp3"), std::nullopt, std::nullopt},
    {"DeviceIsNotRead",
     [](const TestFolder& folder) {
         const QString path = folder.path("zero.flac");
         return QFile::link("/dev/zero", path) ? path : QString();
     },
     std::nullopt, std::nullopt},
};

void PrintTo(const TagCase& tagCase, std::ostream* out) {
    *out << tagCase.name;
}

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
    const SongInfo song = SongFile::fromTag(path);
    EXPECT_EQ(song.title, GetParam().title.value_or(SongFile::withDefaults(path).title));
    EXPECT_EQ(song.artist, GetParam().artist.value_or("N/A"));
}

INSTANTIATE_TEST_SUITE_P(Formats, TagReading, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

#ifndef VESK_SANITIZER_BUILD
// A tag that claims more than the file holds must not make the reader ask for it: the read runs
// in a child whose address space may grow by 64 MiB at most. (Sanitizers reserve address space
// of their own, so this runs in the plain build.)
TEST(TagReadingMemory, ClaimsBeyondTheFileAllocateNothingLarge) {
    TestFolder folder;
    for (const Maker& make :
         {bytes("a.mp3", id3v2(4, {{"TIT2", text(utf8, "cut")}}, 0x0FFFFFFF) + mpegBody),
          bytes("b.mp3", mpegBody + apeFooterClaiming(1u << 30) + id3v1("Old", "Band"))}) {
        const QString path = make(folder);
        const pid_t child = ::fork();
        if (child == 0) {
            rlimit limit{};
            ::getrlimit(RLIMIT_AS, &limit);
            QFile status("/proc/self/statm");
            status.open(QIODevice::ReadOnly);
            const long pages = status.readAll().split(' ').value(0).toLong();
            limit.rlim_cur = static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE)) + (64 << 20);
            ::setrlimit(RLIMIT_AS, &limit);
            TagReader::read(path);
            ::_exit(0);
        }
        int result = 0;
        ASSERT_EQ(::waitpid(child, &result, 0), child);
        EXPECT_TRUE(WIFEXITED(result) && WEXITSTATUS(result) == 0) << path.toStdString();
    }
}
#endif

}  // namespace
