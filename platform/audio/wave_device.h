// One opened wave output device: buffers are prepared, written to play in order, and handed
// back one by one with a Done notice; a reset hands back everything at once.
#pragma once

#include "platform/audio/wave_buffer.h"

namespace cindervane::platform {

class WaveDevice {
  public:
    // Buffers a device holds at once (the one playing and those waiting behind it).
    static constexpr int kQueueLength = 8;

    // Closes the device: buffers still queued are dropped without a Done notice, the Close
    // notice is sent, and once the destructor returns the callback is never called again.
    virtual ~WaveDevice() = default;

    // Marks a filled buffer ready to be written.
    WaveResult prepare(WaveBuffer& buffer);
    // Undoes prepare; fails with StillPlaying while the buffer is queued.
    WaveResult unprepare(WaveBuffer& buffer);

    // Queues a prepared buffer to play after those already queued.
    virtual WaveResult write(WaveBuffer& buffer) = 0;
    // Stops at once and hands back every queued buffer, each with a Done notice, before
    // returning.
    virtual WaveResult reset() = 0;

    // True when the device can play buffers of this format.
    static bool formatSupported(const WaveFormat& format);
};

}  // namespace cindervane::platform
