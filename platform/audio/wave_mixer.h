// The mixer behind the desktop's one audio device. Each wave device opened here is a voice;
// every output frame sums the voices' samples, converted from their own rate (linear
// interpolation, so each sound keeps its pitch) to the output's rate and from unsigned
// 8-bit to signed 16-bit, and a soft limiter keeps loud sums from wrapping around. Sounds
// fade in over a couple of milliseconds when they start and out when they stop or end, so
// no click is heard; a buffer written again from its own Done notice follows on the very
// next frame with no fade, so looping music has no seam.
#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "platform/audio/wave_output.h"

namespace cindervane::platform {

class WaveMixer : public WaveOutput {
  public:
    static constexpr int kMaxDevices = 16;

    // Fades of about 2 ms at the given output rate.
    static int defaultFadeFrames(int outputRate) { return outputRate / 500; }

    // outputRate: frames a second of the output; channels: samples a frame (the mix is the
    // same in each); fadeFrames: length of the fades, 0 for none.
    WaveMixer(int outputRate, int channels, int fadeFrames);
    ~WaveMixer() override;
    WaveMixer(const WaveMixer&) = delete;
    WaveMixer& operator=(const WaveMixer&) = delete;

    int deviceCount() const override { return 1; }
    std::unique_ptr<WaveDevice> open(const WaveFormat& format, WaveCallback callback,
                                     WaveResult& result) override;

    // Runs on the sound thread: fills frames x channels samples and delivers the Done notice
    // of each buffer that ends on the way, right after the frame it ends in. Allocates
    // nothing and takes no lock while a notice runs.
    void mix(std::int16_t* out, int frames);

    // The limiter applied to the sum of the voices: unchanged up to three quarters of full
    // scale, then bent smoothly towards full scale without ever reaching past it.
    static std::int16_t limit(std::int32_t sum);

    int outputRate() const { return outputRate_; }
    int channels() const { return channels_; }

  private:
    class Device;
    friend class Device;

    struct Voice {
        bool open = false;
        WaveCallback callback;
        std::uint64_t step = 0;  // source samples an output frame, 32.32 fixed point
        std::array<WaveBuffer*, WaveDevice::kQueueLength> queue{};
        int count = 0;
        std::uint64_t position = 0;      // in the first queued buffer, 32.32 fixed point
        int fadeIn = 0;                  // frames of fade-in left
        std::int32_t last = 0;           // the value the voice gave in the last frame
        std::int32_t tailFrom = 0;       // a stopped sound's last value, fading out
        int tail = 0;                    // frames of fade-out left
        WaveBuffer* finished = nullptr;  // ended in this frame, notice not yet sent
        bool justEnded = false;          // ended in this frame with nothing queued behind
        bool delivering = false;         // the sound thread is running its callback
    };

    WaveResult write(int voice, WaveBuffer& buffer);
    WaveResult reset(int voice);
    void close(int voice);
    // Moves every queued buffer out of the voice, marked handed back, and fades it out.
    int takeQueue(Voice& voice, std::array<WaveBuffer*, WaveDevice::kQueueLength>& taken);
    std::int32_t tailValue(const Voice& voice) const;
    std::int32_t nextSample(Voice& voice);
    void deliverFinished(std::unique_lock<std::mutex>& lock);

    const int outputRate_;
    const int channels_;
    const int fadeFrames_;
    std::mutex mutex_;
    std::condition_variable deliveryEnded_;
    std::array<Voice, kMaxDevices> voices_;
};

}  // namespace cindervane::platform
