// Wave devices that make no sound but keep time: a buffer finishes after its playing time
// on a millisecond clock, and its Done notice is delivered on the game thread when the
// platform asks for the notices that have fallen due. The headless back end runs them on
// its virtual clock; the desktop back end uses them when there is no sound device.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "platform/audio/wave_output.h"

namespace cindervane::platform {

class TimedWaveOutput : public WaveOutput {
  public:
    static constexpr int kMaxDevices = 16;

    // The clock counts milliseconds; it is read when buffers are written.
    explicit TimedWaveOutput(std::function<std::uint32_t()> clock);
    ~TimedWaveOutput() override;
    TimedWaveOutput(const TimedWaveOutput&) = delete;
    TimedWaveOutput& operator=(const TimedWaveOutput&) = delete;

    int deviceCount() const override { return 1; }
    std::unique_ptr<WaveDevice> open(const WaveFormat& format, WaveCallback callback,
                                     WaveResult& result) override;

    // Hands back, oldest first, every buffer whose playing time has ended by now. A buffer
    // written again from its own Done notice starts where the finished one ended, so a
    // repeated sound keeps exact time however late the notices are delivered.
    void deliverDue(std::uint32_t now);

    // Milliseconds a buffer of this many samples plays: rounded up, and at least 1 so that
    // even an empty sound takes time to repeat.
    static std::uint32_t playingTime(std::uint32_t samples, std::uint32_t samplesPerSecond);

  private:
    class Device;
    friend class Device;

    std::function<std::uint32_t()> clock_;
    std::array<Device*, kMaxDevices> devices_{};
};

}  // namespace cindervane::platform
