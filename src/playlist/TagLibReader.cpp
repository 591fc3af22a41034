#include "playlist/TagLibReader.h"

#include <taglib/apetag.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/itfile.h>
#include <taglib/modfile.h>
#include <taglib/mpegfile.h>
#include <taglib/s3mfile.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>
#include <taglib/xmfile.h>
#include <unistd.h>

#include <QByteArray>

#include "common/NativePath.h"
#include "playlist/DescriptorStream.h"

namespace {

constexpr long long id3v1Size = 128;
constexpr qsizetype id3v1TitleOffset = 3;
constexpr qsizetype id3v1ArtistOffset = 33;
constexpr qsizetype id3v1FieldLength = 30;

// An ID3 version 1 field ends at its first zero byte or at its end; each byte is the Latin-1
// character.
QString id3v1Field(const QByteArray& tag, qsizetype offset) {
    const QByteArray field = tag.mid(offset, id3v1FieldLength);
    const qsizetype zero = field.indexOf('\0');
    return QString::fromLatin1(zero < 0 ? field : field.left(zero));
}

std::optional<QString> given(const TagLib::String& text) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return QString::fromStdWString(text.toWString());
}

// Fields still missing are taken from the next tag in the order of preference.
void fillFrom(SongTags& tags, const TagLib::Tag* tag) {
    if (tag == nullptr) {
        return;
    }
    if (!tags.title) {
        tags.title = given(tag->title());
    }
    if (!tags.artist) {
        tags.artist = given(tag->artist());
    }
}

void fillFrom(SongTags& tags, const SongTags& next) {
    if (!tags.title) {
        tags.title = next.title;
    }
    if (!tags.artist) {
        tags.artist = next.artist;
    }
}

QString extensionOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > slash ? path.mid(dot + 1).toLower() : QString();
}

SongTags readMp3(DescriptorStream& stream, int descriptor, long long size) {
    SongTags tags;
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    if (file.hasID3v2Tag()) {
        fillFrom(tags, file.ID3v2Tag());
    }
    if (file.hasAPETag()) {
        fillFrom(tags, file.APETag());
    }
    fillFrom(tags, TagLibReader::readId3v1(descriptor, size));
    return tags;
}

SongTags readWav(DescriptorStream& stream) {
    SongTags tags;
    TagLib::RIFF::WAV::File file(&stream, false);
    if (file.hasInfoTag()) {
        fillFrom(tags, file.InfoTag());
    }
    if (file.hasID3v2Tag()) {
        fillFrom(tags, file.ID3v2Tag());
    }
    return tags;
}

// A module's title is its only field, a fixed-width one padded with spaces; modules name no
// artist.
template <typename ModuleFile>
SongTags readModule(DescriptorStream& stream) {
    ModuleFile file(&stream, false);
    if (!file.isValid()) {
        return {};
    }
    QString title = QString::fromStdWString(file.tag()->title().toWString());
    while (title.endsWith(u' ')) {
        title.chop(1);
    }
    if (title.isEmpty()) {
        return {};
    }
    return {title, std::nullopt};
}

}  // namespace

SongTags TagLibReader::readId3v1(int descriptor, long long size) {
    if (size < id3v1Size) {
        return {};
    }
    QByteArray tag(id3v1Size, '\0');
    if (::pread(descriptor, tag.data(), id3v1Size, size - id3v1Size) != id3v1Size ||
        !tag.startsWith("TAG")) {
        return {};
    }
    SongTags tags{id3v1Field(tag, id3v1TitleOffset), id3v1Field(tag, id3v1ArtistOffset)};
    if (tags.title->isEmpty() && tags.artist->isEmpty()) {
        return {};
    }
    return tags;
}

SongTags TagLibReader::read(int descriptor, long long size, const QString& path) {
    const QString extension = extensionOf(path);
    DescriptorStream stream(descriptor, size, NativePath::toNative(path));
    if (extension == "mp3") {
        return readMp3(stream, descriptor, size);
    }
    SongTags tags;
    if (extension == "ogg") {
        TagLib::Ogg::Vorbis::File file(&stream, false);
        if (file.isValid()) {
            fillFrom(tags, file.tag());
        }
    } else if (extension == "flac") {
        TagLib::FLAC::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
        if (file.isValid() && file.hasXiphComment()) {
            fillFrom(tags, file.xiphComment());
        }
    } else if (extension == "wav") {
        tags = readWav(stream);
    } else if (extension == "mod") {
        tags = readModule<TagLib::Mod::File>(stream);
    } else if (extension == "it") {
        tags = readModule<TagLib::IT::File>(stream);
    } else if (extension == "s3m" || extension == "s3d") {
        tags = readModule<TagLib::S3M::File>(stream);
    } else if (extension == "xm") {
        tags = readModule<TagLib::XM::File>(stream);
    }
    return tags;
}
