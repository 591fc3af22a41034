#include "audio/OpusDecoder.h"

#include <opusfile.h>
#include <unistd.h>

#include <QString>
#include <algorithm>

#include "common/RegularFile.h"

std::unique_ptr<Decoder> OpusDecoder::open(const QString& path) {
    const int descriptor = RegularFile::open(path);
    if (descriptor < 0) {
        return nullptr;
    }
    OpusFileCallbacks callbacks{};
    void* stream = op_fdopen(&callbacks, descriptor, "rb");
    if (stream == nullptr) {
        ::close(descriptor);
        return nullptr;
    }
    // On success the file owns the stream and op_free closes it; on failure it stays ours.
    OggOpusFile* file = op_open_callbacks(stream, &callbacks, nullptr, 0, nullptr);
    if (file == nullptr) {
        callbacks.close(stream);
        return nullptr;
    }
    const ogg_int64_t frames = op_pcm_total(file, -1);
    if (frames <= 0) {
        op_free(file);
        return nullptr;
    }
    return std::unique_ptr<Decoder>(new OpusDecoder(file, frames));
}

OpusDecoder::OpusDecoder(OggOpusFile* file, int64_t frames)
    : Decoder({outputRate, 2, frames}), file(file) {}

OpusDecoder::~OpusDecoder() {
    op_free(file);
}

size_t OpusDecoder::read(float* out, size_t frameCount) {
    size_t total = 0;
    // A damaged page answers with an error (a hole); skip a few, then give up on the stream.
    int holes = 0;
    while (total < frameCount && holes < 16) {
        const size_t room = std::min<size_t>(frameCount - total, 5760) * 2;
        const int got = op_read_float_stereo(file, out + total * 2, static_cast<int>(room));
        if (got == 0) {
            break;
        }
        if (got < 0) {
            ++holes;
            continue;
        }
        total += static_cast<size_t>(got);
    }
    return total;
}

bool OpusDecoder::seek(int64_t frame) {
    return op_pcm_seek(file, frame) == 0;
}
