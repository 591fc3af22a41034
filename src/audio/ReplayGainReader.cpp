#include "audio/ReplayGainReader.h"

#include <taglib/fileref.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>

#include <QString>
#include <optional>

#include "common/RegularFile.h"

namespace {

// The number a value starts with ("-6.50 dB", "0.988"), if it starts with one.
std::optional<double> leadingNumber(const TagLib::PropertyMap& properties, const char* key) {
    const auto found = properties.find(key);
    if (found == properties.end() || found->second.isEmpty()) {
        return std::nullopt;
    }
    const QString text = QString::fromStdString(found->second.front().to8Bit(true)).trimmed();
    qsizetype end = 0;
    while (end < text.size() && (text[end].isDigit() || QString("+-.").contains(text[end]))) {
        ++end;
    }
    bool ok = false;
    const double value = text.left(end).toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// An R128 gain: a whole number of 1/256 dB.
std::optional<double> r128Gain(const TagLib::PropertyMap& properties, const char* key) {
    const std::optional<double> steps = leadingNumber(properties, key);
    if (!steps) {
        return std::nullopt;
    }
    return *steps / 256.0 + ReplayGainReader::r128ToReplayGainDb;
}

}  // namespace

ReplayGainValues ReplayGainReader::read(const QString& path) {
    // Only regular files: opening a named pipe would wait for a writer that never comes.
    const int descriptor = RegularFile::open(path);
    if (descriptor < 0) {
        return {};
    }
    // The stream takes the descriptor over and closes it.
    TagLib::FileStream stream(descriptor, true);
    const TagLib::FileRef file(&stream, false);
    if (file.isNull()) {
        return {};
    }
    const TagLib::PropertyMap properties = file.file()->properties();
    ReplayGainValues values;
    values.trackGainDb = leadingNumber(properties, "REPLAYGAIN_TRACK_GAIN");
    values.trackPeak = leadingNumber(properties, "REPLAYGAIN_TRACK_PEAK");
    values.albumGainDb = leadingNumber(properties, "REPLAYGAIN_ALBUM_GAIN");
    values.albumPeak = leadingNumber(properties, "REPLAYGAIN_ALBUM_PEAK");
    if (!values.trackGainDb) {
        values.trackGainDb = r128Gain(properties, "R128_TRACK_GAIN");
    }
    if (!values.albumGainDb) {
        values.albumGainDb = r128Gain(properties, "R128_ALBUM_GAIN");
    }
    return values;
}
