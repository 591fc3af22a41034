#include "audio/OpenMptDecoder.h"

#include <libopenmpt/libopenmpt.h>
#include <libopenmpt/libopenmpt_stream_callbacks_file.h>
#include <QString>
#include <cmath>

#include "common/RegularFile.h"

std::unique_ptr<Decoder> OpenMptDecoder::open(const QString& path) {
    std::FILE* file = RegularFile::openStream(path);
    if (file == nullptr) {
        return nullptr;
    }
    // Play the song once and stop, instead of fading out or going round again.
    const openmpt_module_initial_ctl settings[] = {{"play.at_end", "stop"}, {nullptr, nullptr}};
    int error = 0;
    openmpt_module* module = openmpt_module_create2(
        openmpt_stream_get_file_callbacks(), file, openmpt_log_func_silent, nullptr,
        openmpt_error_func_ignore, nullptr, &error, nullptr, settings);
    if (module == nullptr) {
        std::fclose(file);
        return nullptr;
    }
    const double seconds = openmpt_module_get_duration_seconds(module);
    const int64_t frames = std::isfinite(seconds) ? std::llround(seconds * renderRate) : 0;
    if (frames <= 0) {
        openmpt_module_destroy(module);
        std::fclose(file);
        return nullptr;
    }
    return std::unique_ptr<Decoder>(new OpenMptDecoder(file, module, frames));
}

OpenMptDecoder::OpenMptDecoder(std::FILE* file, openmpt_module* module, int64_t frames)
    : Decoder({renderRate, 2, frames}), file(file), module(module) {}

OpenMptDecoder::~OpenMptDecoder() {
    openmpt_module_destroy(module);
    std::fclose(file);
}

size_t OpenMptDecoder::read(float* out, size_t frameCount) {
    return openmpt_module_read_interleaved_float_stereo(module, renderRate, frameCount, out);
}

bool OpenMptDecoder::seek(int64_t frame) {
    openmpt_module_set_position_seconds(module, static_cast<double>(frame) / renderRate);
    return true;
}
