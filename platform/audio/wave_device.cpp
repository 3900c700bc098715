// What every wave device shares: preparing buffers and checking formats.
#include "platform/audio/wave_device.h"

namespace cindervane::platform {

WaveResult WaveDevice::prepare(WaveBuffer& buffer) {
    if (buffer.flags & kWaveBufferInQueue) return WaveResult::StillPlaying;
    buffer.flags = kWaveBufferPrepared;
    return WaveResult::Ok;
}

WaveResult WaveDevice::unprepare(WaveBuffer& buffer) {
    if (buffer.flags & kWaveBufferInQueue) return WaveResult::StillPlaying;
    buffer.flags &= ~kWaveBufferPrepared;
    return WaveResult::Ok;
}

bool WaveDevice::formatSupported(const WaveFormat& format) {
    return format.formatTag == kWaveFormatPcm && format.channels == 1 &&
           format.bitsPerSample == 8 && format.blockAlign == 1 && format.samplesPerSecond >= 1000 &&
           format.samplesPerSecond <= 192000;
}

}  // namespace cindervane::platform
