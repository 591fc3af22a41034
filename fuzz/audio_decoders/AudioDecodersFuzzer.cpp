// Any bytes, saved as a file, given to each decoder and to the factory: opening, decoding a
// bounded stretch, jumping and decoding again must neither crash nor hang.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "InputFile.h"
#include "audio/DecoderFactory.h"
#include "audio/Mpg123Decoder.h"
#include "audio/OpenMptDecoder.h"
#include "audio/SndFileDecoder.h"
#include "audio/VorbisDecoder.h"

namespace {

void exercise(std::unique_ptr<Decoder> decoder) {
    if (!decoder) {
        return;
    }
    std::vector<float> block(1024 * static_cast<size_t>(decoder->channels()));
    // At most a few seconds: a valid header may claim hours of sound.
    for (int i = 0; i < 100 && decoder->read(block.data(), 1024) > 0; ++i) {
    }
    decoder->seek(decoder->lengthFrames() / 2);
    for (int i = 0; i < 10 && decoder->read(block.data(), 1024) > 0; ++i) {
    }
    decoder->seek(decoder->lengthFrames() < INT64_MAX - 1000 ? decoder->lengthFrames() + 1000
                                                             : INT64_MAX);
    decoder->read(block.data(), 1024);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = inputFile(data, size, "input");
    if (path.isEmpty()) {
        return 0;
    }

    exercise(SndFileDecoder::open(path));
    exercise(VorbisDecoder::open(path));
    exercise(Mpg123Decoder::open(path));
    exercise(OpenMptDecoder::open(path));
    exercise(DecoderFactory::open(path));
    return 0;
}
