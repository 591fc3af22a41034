#include "audio/SdlOutput.h"

#include <SDL.h>

#include "audio/AudioRenderer.h"

SdlOutput::~SdlOutput() {
    stop();
}

bool SdlOutput::start(AudioRenderer& newRenderer) {
    stop();
    // SDL would otherwise take SIGINT and SIGTERM for itself and the player could not be ended.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    subsystemStarted = true;
    renderer = &newRenderer;
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
    if (device == 0) {
        stop();
        return false;
    }
    SDL_PauseAudioDevice(device, 0);
    return true;
}

void SdlOutput::stop() {
    if (device != 0) {
        // Closing waits for a running callback, so the renderer is free after this.
        SDL_CloseAudioDevice(device);
        device = 0;
    }
    if (subsystemStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemStarted = false;
    }
    renderer = nullptr;
}

void SdlOutput::fill(void* self, uint8_t* stream, int length) {
    auto* output = static_cast<SdlOutput*>(self);
    const size_t frames = static_cast<size_t>(length) / (sizeof(float) * output->channels());
    output->renderer->render(reinterpret_cast<float*>(stream), frames);
}
