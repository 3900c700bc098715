// The desktop's sound: one SDL audio device whose sound thread pulls every frame from the
// mixer, so all the game's wave devices play through it at once.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/audio/wave_mixer.h"

namespace cindervane::platform {

class SdlAudioOutput : public WaveOutput {
  public:
    // Opens the default audio device and starts it; null, with the reason in error, when
    // there is none. The audio subsystem must be startable (SDL itself initialised or not).
    static std::unique_ptr<SdlAudioOutput> start(std::string& error);
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    int deviceCount() const override { return mixer_->deviceCount(); }
    std::unique_ptr<WaveDevice> open(const WaveFormat& format, WaveCallback callback,
                                     WaveResult& result) override {
        return mixer_->open(format, std::move(callback), result);
    }

    const WaveMixer& mixer() const { return *mixer_; }

  private:
    SdlAudioOutput() = default;
    static void fill(void* self, std::uint8_t* stream, int length);

    std::uint32_t device_ = 0;
    std::unique_ptr<WaveMixer> mixer_;
};

}  // namespace cindervane::platform
