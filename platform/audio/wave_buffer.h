// What a wave device plays: the sample format it is opened for, the buffers handed to it,
// the notices it sends back and the results of its operations.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace cindervane::platform {

// Plain integer samples; the only format tag the devices accept.
constexpr std::uint16_t kWaveFormatPcm = 1;

// How the samples of a buffer are laid out. The devices play unsigned 8-bit mono at any
// rate from 1000 to 192000 samples per second.
struct WaveFormat {
    std::uint16_t formatTag = kWaveFormatPcm;
    std::uint16_t channels = 1;
    std::uint32_t samplesPerSecond = 11025;
    std::uint32_t averageBytesPerSecond = 11025;
    std::uint16_t blockAlign = 1;
    std::uint16_t bitsPerSample = 8;
};

// Bits of WaveBuffer::flags.
enum WaveBufferFlag : std::uint32_t {
    kWaveBufferDone = 1u << 0,      // the device has handed the buffer back
    kWaveBufferPrepared = 1u << 1,  // prepared: it may be written
    kWaveBufferInQueue = 1u << 4,   // written and not yet handed back
};

// One block of samples. The owner keeps the samples alive and unchanged from the write
// until the buffer is handed back; a prepared buffer cannot be unprepared meanwhile.
struct WaveBuffer {
    const std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    // Read and written by the game thread and the device's thread alike.
    std::atomic<std::uint32_t> flags{0};

    void clear() {
        data = nullptr;
        length = 0;
        flags = 0;
    }
};

// Notices a device sends to its callback.
enum class WaveMessage : std::uint32_t {
    Open = 0x3BB,   // the device was opened (sent before open returns)
    Close = 0x3BC,  // the device was closed (sent before the device is gone)
    Done = 0x3BD,   // a buffer has finished playing or was handed back by a reset
};

// The device's callback. Done notices of buffers that finished by themselves arrive on the
// device's own thread (the sound thread of the desktop back end, the game thread of the
// virtual one); the others arrive on the thread that called the device. A callback may
// write the finished buffer again; it must not reset or close its own device.
using WaveCallback = std::function<void(WaveMessage message, WaveBuffer* buffer)>;

enum class WaveResult {
    Ok,
    NoDevice,      // no device to open, or every device is taken
    BadFormat,     // a format the devices cannot play
    Unprepared,    // written without being prepared
    StillPlaying,  // the buffer is still in a device's queue
    QueueFull,     // too many buffers written and not yet handed back
};

}  // namespace cindervane::platform
