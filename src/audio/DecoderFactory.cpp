#include "audio/DecoderFactory.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <array>

#include "audio/Mpg123Decoder.h"
#include "audio/OpenMptDecoder.h"
#include "audio/OpusDecoder.h"
#include "audio/SndFileDecoder.h"
#include "audio/VorbisDecoder.h"

namespace {

struct DecoderKind {
    std::unique_ptr<Decoder> (*open)(const QString& path);
    QStringList extensions;
};

// Also the order in which the content is tried: the quick header checks first.
const std::array<DecoderKind, 5>& decoderKinds() {
    static const std::array<DecoderKind, 5> kinds = {{
        {&VorbisDecoder::open, {"ogg", "oga"}},
        {&OpusDecoder::open, {"opus"}},
        {&SndFileDecoder::open, {"wav", "flac", "aif", "aiff"}},
        {&Mpg123Decoder::open, {"mp3", "mp2", "mp1"}},
        {&OpenMptDecoder::open, {"mod", "it", "s3m", "s3d", "xm", "mptm"}},
    }};
    return kinds;
}

// The output converts 1 to 8 channels at any common rate, and a length in milliseconds must fit
// the progress display's 32-bit range; anything else is a damaged header.
bool isPlayable(const Decoder& decoder) {
    constexpr int64_t longestSeconds = 2'000'000;  // about 23 days
    return decoder.channels() >= 1 && decoder.channels() <= 8 && decoder.sampleRate() >= 1000 &&
           decoder.sampleRate() <= 768000 && decoder.lengthFrames() > 0 &&
           decoder.lengthFrames() / decoder.sampleRate() < longestSeconds;
}

std::unique_ptr<Decoder> openWith(const DecoderKind& kind, const QString& path) {
    std::unique_ptr<Decoder> decoder = kind.open(path);
    if (decoder && !isPlayable(*decoder)) {
        decoder.reset();
    }
    return decoder;
}

}  // namespace

std::unique_ptr<Decoder> DecoderFactory::open(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    const DecoderKind* named = nullptr;
    for (const DecoderKind& kind : decoderKinds()) {
        if (kind.extensions.contains(extension)) {
            named = &kind;
            if (auto decoder = openWith(kind, path)) {
                return decoder;
            }
        }
    }
    for (const DecoderKind& kind : decoderKinds()) {
        if (&kind != named) {
            if (auto decoder = openWith(kind, path)) {
                return decoder;
            }
        }
    }
    return nullptr;
}
