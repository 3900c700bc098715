// A system without wave output devices: nothing can be opened.
#pragma once

#include "platform/audio/wave_output.h"

namespace cindervane::platform {

class AbsentWaveOutput : public WaveOutput {
  public:
    int deviceCount() const override { return 0; }
    std::unique_ptr<WaveDevice> open(const WaveFormat&, WaveCallback, WaveResult& result) override {
        result = WaveResult::NoDevice;
        return nullptr;
    }
};

}  // namespace cindervane::platform
