#include "audio/Mpg123Decoder.h"

#include <mpg123.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QString>
#include <algorithm>
#include <mutex>
#include <utility>

#include "common/RegularFile.h"

namespace {

struct HandleDeleter {
    void operator()(mpg123_handle* handle) const { mpg123_delete(handle); }
};
using HandlePtr = std::unique_ptr<mpg123_handle, HandleDeleter>;

// Closes the descriptor unless it was handed on.
struct FileDescriptor {
    explicit FileDescriptor(int value) : value(value) {}
    ~FileDescriptor() {
        if (value >= 0) {
            close(value);
        }
    }
    int release() { return std::exchange(value, -1); }
    int value;
};

HandlePtr newHandle() {
    static std::once_flag initialised;
    std::call_once(initialised, [] { mpg123_init(); });
    int error = MPG123_OK;
    HandlePtr handle(mpg123_new(nullptr, &error));
    if (!handle) {
        return nullptr;
    }
    mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0);
    // A jump decodes this many frames before the target first: a low-rate stream's bit
    // reservoir reaches back several frames, and with the default of 4 the first part after a
    // jump came out silent.
    mpg123_param(handle.get(), MPG123_PREFRAMES, 20, 0);
    // Float output at whatever rate and channel count the file has.
    mpg123_format_none(handle.get());
    const long* rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; ++i) {
        mpg123_format(handle.get(), rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32);
    }
    return handle;
}

}  // namespace

std::unique_ptr<Decoder> Mpg123Decoder::open(const QString& path) {
    // mpg123 reads a descriptor it was given but leaves closing it to us.
    FileDescriptor descriptor(RegularFile::open(path));
    HandlePtr handle = newHandle();
    if (descriptor.value < 0 || !handle ||
        mpg123_open_fd(handle.get(), descriptor.value) != MPG123_OK) {
        return nullptr;
    }
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle.get(), &rate, &channels, &encoding) != MPG123_OK) {
        return nullptr;
    }
    // A later frame in another format is converted to this one, so the output never changes.
    mpg123_format_none(handle.get());
    mpg123_format(handle.get(), rate, channels, MPG123_ENC_FLOAT_32);

    // The encoder's info frame (which also tells the encoder delay) gives the exact length;
    // without it the length is only guessed from the size, so count the frames instead.
    long encoderDelay = -1;
    double unused = 0;
    mpg123_getstate(handle.get(), MPG123_ENC_DELAY, &encoderDelay, &unused);
    // A damaged info frame can claim hours in a few bytes (no stream is below 8 kbit/s, about a
    // kilobyte a second); then the frames are counted as well.
    const off_t claimed = mpg123_length(handle.get());
    struct stat status {};
    const off_t size = fstat(descriptor.value, &status) == 0 ? status.st_size : 0;
    const bool plausible = claimed > 0 && claimed / rate <= size / 1000 + 1;
    if ((encoderDelay < 0 || !plausible) && mpg123_scan(handle.get()) != MPG123_OK) {
        return nullptr;
    }
    const off_t length = mpg123_length(handle.get());
    if (length <= 0) {
        return nullptr;
    }
    return std::unique_ptr<Decoder>(new Mpg123Decoder(handle.release(), descriptor.release(),
                                                      {static_cast<int>(rate), channels, length}));
}

Mpg123Decoder::Mpg123Decoder(mpg123_handle* handle, int descriptor, const Format& format)
    : Decoder(format), handle(handle), descriptor(descriptor) {}

Mpg123Decoder::~Mpg123Decoder() {
    mpg123_close(handle);
    mpg123_delete(handle);
    close(descriptor);
}

size_t Mpg123Decoder::read(float* out, size_t frameCount) {
    const size_t frameBytes = sizeof(float) * static_cast<size_t>(channels());
    const size_t wanted = frameCount * frameBytes;
    auto* bytes = reinterpret_cast<unsigned char*>(out);
    size_t total = 0;
    // A damaged stream can keep answering without output; give up on it rather than spin.
    int emptyAnswers = 0;
    while (total < wanted && emptyAnswers < 16) {
        size_t done = 0;
        const int result = mpg123_read(handle, bytes + total, wanted - total, &done);
        total += done;
        emptyAnswers = done == 0 ? emptyAnswers + 1 : 0;
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT) {
            break;
        }
    }
    return total / frameBytes;
}

bool Mpg123Decoder::seek(int64_t frame) {
    const int64_t target = std::clamp<int64_t>(frame, 0, lengthFrames());
    return mpg123_seek(handle, static_cast<off_t>(target), SEEK_SET) >= 0;
}
