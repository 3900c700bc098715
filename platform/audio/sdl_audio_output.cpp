// The desktop's sound through SDL.
#include "platform/audio/sdl_audio_output.h"

#include <SDL.h>

namespace cindervane::platform {

std::unique_ptr<SdlAudioOutput> SdlAudioOutput::start(std::string& error) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return nullptr;
    }
    std::unique_ptr<SdlAudioOutput> output(new SdlAudioOutput());
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 512;  // about 12 ms a block: short enough that effects feel immediate
    wanted.callback = &SdlAudioOutput::fill;
    wanted.userdata = output.get();
    SDL_AudioSpec got{};
    // The rate, channel count and block size may be the device's own; the samples stay
    // signed 16-bit (SDL converts them if the device wants something else).
    output->device_ =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &got,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE |
                                SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
    if (output->device_ == 0) {
        error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    // The device opens paused, so the sound thread cannot ask for frames before the mixer
    // exists.
    output->mixer_ =
        std::make_unique<WaveMixer>(got.freq, got.channels, WaveMixer::defaultFadeFrames(got.freq));
    SDL_PauseAudioDevice(output->device_, 0);
    return output;
}

SdlAudioOutput::~SdlAudioOutput() {
    if (device_ == 0) return;
    // Waits for the sound thread to finish its block; no frame is asked for afterwards.
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioOutput::fill(void* self, std::uint8_t* stream, int length) {
    WaveMixer& mixer = *static_cast<SdlAudioOutput*>(self)->mixer_;
    const int frameBytes = static_cast<int>(sizeof(std::int16_t)) * mixer.channels();
    mixer.mix(reinterpret_cast<std::int16_t*>(stream), length / frameBytes);
}

}  // namespace cindervane::platform
