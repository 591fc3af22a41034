#include "audio/VorbisDecoder.h"

#include <vorbis/vorbisfile.h>
#include <QString>
#include <algorithm>
#include <cstdio>

#include "common/RegularFile.h"

std::unique_ptr<Decoder> VorbisDecoder::open(const QString& path) {
    std::FILE* stream = RegularFile::openStream(path);
    if (stream == nullptr) {
        return nullptr;
    }
    auto file = std::make_unique<OggVorbis_File>();
    // On success the file owns the stream and ov_clear closes it; on failure it stays ours.
    if (ov_open_callbacks(stream, file.get(), nullptr, 0, OV_CALLBACKS_DEFAULT) != 0) {
        std::fclose(stream);
        return nullptr;
    }
    const vorbis_info* info = ov_info(file.get(), -1);
    const ogg_int64_t frames = ov_pcm_total(file.get(), -1);
    if (info == nullptr || frames <= 0) {
        ov_clear(file.get());
        return nullptr;
    }
    const int rate = static_cast<int>(info->rate);
    const int channels = info->channels;
    return std::unique_ptr<Decoder>(new VorbisDecoder(std::move(file), {rate, channels, frames}));
}

VorbisDecoder::VorbisDecoder(std::unique_ptr<OggVorbis_File> file, const Format& format)
    : Decoder(format), file(std::move(file)) {}

VorbisDecoder::~VorbisDecoder() {
    ov_clear(file.get());
}

size_t VorbisDecoder::read(float* out, size_t frameCount) {
    size_t total = 0;
    // A damaged page answers with an error (a hole); skip a few, then give up on the stream.
    int holes = 0;
    while (total < frameCount && holes < 16) {
        float** planes = nullptr;
        int section = 0;
        const long got =
            ov_read_float(file.get(), &planes,
                          static_cast<int>(std::min<size_t>(frameCount - total, 4096)), &section);
        if (got == 0) {
            break;
        }
        if (got < 0) {
            ++holes;
            continue;
        }
        // A chained stream may change its channel count; only the first layout is played.
        const int planeCount = ov_info(file.get(), -1)->channels;
        const int channelCount = channels();
        for (long frame = 0; frame < got; ++frame) {
            for (int channel = 0; channel < channelCount; ++channel) {
                out[(total + frame) * channelCount + channel] =
                    channel < planeCount ? planes[channel][frame] : 0.0f;
            }
        }
        total += static_cast<size_t>(got);
    }
    return total;
}

bool VorbisDecoder::seek(int64_t frame) {
    return ov_pcm_seek(file.get(), frame) == 0;
}
