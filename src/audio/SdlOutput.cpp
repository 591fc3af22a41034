#include "audio/SdlOutput.h"

#include <SDL.h>
#include <chrono>

#include "audio/AudioRenderer.h"

namespace {

// Longer than SDL's device buffer (two blocks of 4096 frames, under 200 ms at 44.1 kHz).
constexpr std::chrono::milliseconds idleGrace(1000);

}  // namespace

SdlOutput::~SdlOutput() {
    stop();
}

bool SdlOutput::start(AudioRenderer& newRenderer) {
    stop();
    renderer = &newRenderer;
    idle = false;
    stopping = false;
    firstOpenFailed = false;
    keeper = std::thread([this] { keepDevice(); });
    return true;
}

bool SdlOutput::failed() const {
    std::lock_guard guard(mutex);
    return firstOpenFailed;
}

void SdlOutput::stop() {
    if (keeper.joinable()) {
        {
            std::lock_guard guard(mutex);
            stopping = true;
        }
        changed.notify_all();
        keeper.join();
    }
    closeDevice();
    if (subsystemStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemStarted = false;
    }
    renderer = nullptr;
}

void SdlOutput::setIdle(bool newIdle) {
    {
        std::lock_guard guard(mutex);
        if (idle == newIdle) {
            return;
        }
        idle = newIdle;
    }
    changed.notify_all();
}

void SdlOutput::keepDevice() {
    // SDL would otherwise take SIGINT and SIGTERM for itself and the player could not be ended.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    subsystemStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    const bool opened = subsystemStarted && openDevice();
    std::unique_lock lock(mutex);
    if (!opened) {
        firstOpenFailed = true;
        return;
    }
    bool openFailed = false;  // a server that went away is tried again at the next resume
    while (!stopping) {
        if (!idle && device == 0 && !openFailed) {
            lock.unlock();
            openFailed = !openDevice();
            lock.lock();
            continue;
        }
        if (idle && device != 0) {
            if (!changed.wait_for(lock, idleGrace, [this] { return stopping || !idle; })) {
                lock.unlock();
                closeDevice();
                lock.lock();
            }
            continue;
        }
        const bool wasIdle = idle;
        changed.wait(lock, [&] { return stopping || idle != wasIdle; });
        openFailed = false;
    }
}

bool SdlOutput::openDevice() {
    SDL_AudioSpec wanted{};
    wanted.freq = sampleRate();
    wanted.format = AUDIO_F32SYS;
    wanted.channels = static_cast<Uint8>(channels());
    // About 93 ms a callback: few wake-ups while playing, still quick to answer a pause.
    wanted.samples = 4096;
    wanted.callback = &SdlOutput::fill;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts our fixed format to whatever the device wants.
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device != 0) {
        SDL_PauseAudioDevice(device, 0);
    }
    return device != 0;
}

void SdlOutput::closeDevice() {
    if (device != 0) {
        // Closing waits for a running callback, so the renderer is free after this.
        SDL_CloseAudioDevice(device);
        device = 0;
    }
}

void SdlOutput::fill(void* self, uint8_t* stream, int length) {
    auto* output = static_cast<SdlOutput*>(self);
    const size_t frames = static_cast<size_t>(length) / (sizeof(float) * output->channels());
    output->renderer->render(reinterpret_cast<float*>(stream), frames);
}
