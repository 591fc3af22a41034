#include "audio/SndFileDecoder.h"

#include <sndfile.h>
#include <QString>

#include "common/RegularFile.h"

std::unique_ptr<Decoder> SndFileDecoder::open(const QString& path) {
    const int descriptor = RegularFile::open(path);
    if (descriptor < 0) {
        return nullptr;
    }
    SF_INFO info{};
    // Opened with close_desc set: sf_close closes the descriptor, on a failed open as well.
    SNDFILE* file = sf_open_fd(descriptor, SFM_READ, &info, SF_TRUE);
    if (file == nullptr) {
        return nullptr;
    }
    // libsndfile can read MPEG too, but the MP3 decoder measures and seeks it more exactly.
    // A length of SF_COUNT_MAX means unknown: nothing could be measured or shown.
    if ((info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG || info.frames == SF_COUNT_MAX) {
        sf_close(file);
        return nullptr;
    }
    return std::unique_ptr<Decoder>(
        new SndFileDecoder(file, {info.samplerate, info.channels, info.frames}));
}

SndFileDecoder::SndFileDecoder(SNDFILE* file, const Format& format) : Decoder(format), file(file) {}

SndFileDecoder::~SndFileDecoder() {
    sf_close(file);
}

size_t SndFileDecoder::read(float* out, size_t frameCount) {
    const sf_count_t got = sf_readf_float(file, out, static_cast<sf_count_t>(frameCount));
    return got > 0 ? static_cast<size_t>(got) : 0;
}

bool SndFileDecoder::seek(int64_t frame) {
    return sf_seek(file, frame, SEEK_SET) >= 0;
}
