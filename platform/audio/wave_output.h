// The wave output service: how many devices there are, and opening one. Every sound clip
// opens a device of its own; mixing them is the service's business.
#pragma once

#include <memory>

#include "platform/audio/wave_device.h"

namespace cindervane::platform {

class WaveOutput {
  public:
    virtual ~WaveOutput() = default;

    // How many wave output devices the system has; 0 when there is no sound at all.
    virtual int deviceCount() const = 0;
    // Opens a device for the format; the callback gets the device's notices (the Open
    // notice before this returns). Null, with the reason in result, when it cannot.
    virtual std::unique_ptr<WaveDevice> open(const WaveFormat& format, WaveCallback callback,
                                             WaveResult& result) = 0;
};

}  // namespace cindervane::platform
