// The mixer behind the desktop's one audio device.
#include "platform/audio/wave_mixer.h"

#include <cstdlib>

namespace cindervane::platform {

namespace {

constexpr std::int32_t kKnee = 24576;  // three quarters of full scale
constexpr std::int32_t kFullScale = 32767;

void markHandedBack(WaveBuffer& buffer) {
    buffer.flags = (buffer.flags & ~kWaveBufferInQueue) | kWaveBufferDone;
}

}  // namespace

class WaveMixer::Device : public WaveDevice {
  public:
    Device(WaveMixer& mixer, int voice) : mixer_(mixer), voice_(voice) {}
    ~Device() override { mixer_.close(voice_); }

    WaveResult write(WaveBuffer& buffer) override { return mixer_.write(voice_, buffer); }
    WaveResult reset() override { return mixer_.reset(voice_); }

  private:
    WaveMixer& mixer_;
    int voice_;
};

WaveMixer::WaveMixer(int outputRate, int channels, int fadeFrames)
    : outputRate_(outputRate > 0 ? outputRate : 44100),
      channels_(channels > 0 ? channels : 1),
      fadeFrames_(fadeFrames > 0 ? fadeFrames : 0) {}

WaveMixer::~WaveMixer() = default;

std::unique_ptr<WaveDevice> WaveMixer::open(const WaveFormat& format, WaveCallback callback,
                                            WaveResult& result) {
    if (!WaveDevice::formatSupported(format)) {
        result = WaveResult::BadFormat;
        return nullptr;
    }
    std::unique_lock lock(mutex_);
    for (int index = 0; index < kMaxDevices; ++index) {
        Voice& voice = voices_[index];
        if (voice.open) continue;
        voice.open = true;
        voice.callback = std::move(callback);
        voice.step = (static_cast<std::uint64_t>(format.samplesPerSecond) << 32) /
                     static_cast<std::uint64_t>(outputRate_);
        voice.count = 0;
        voice.position = 0;
        voice.fadeIn = 0;
        voice.last = 0;
        voice.finished = nullptr;
        voice.justEnded = false;
        auto device = std::make_unique<Device>(*this, index);
        lock.unlock();
        // Nothing is queued yet, so the sound thread cannot be calling back meanwhile.
        voice.callback(WaveMessage::Open, nullptr);
        result = WaveResult::Ok;
        return device;
    }
    result = WaveResult::NoDevice;
    return nullptr;
}

WaveResult WaveMixer::write(int index, WaveBuffer& buffer) {
    std::lock_guard lock(mutex_);
    Voice& voice = voices_[index];
    if (!(buffer.flags & kWaveBufferPrepared)) return WaveResult::Unprepared;
    if (buffer.flags & kWaveBufferInQueue) return WaveResult::StillPlaying;
    if (voice.count == WaveDevice::kQueueLength) return WaveResult::QueueFull;
    buffer.flags = (buffer.flags & ~kWaveBufferDone) | kWaveBufferInQueue;
    voice.queue[voice.count++] = &buffer;
    if (voice.count == 1) {
        voice.position = 0;
        // Written from the notice of a buffer that ended this very frame: carry straight on.
        voice.fadeIn = voice.justEnded ? 0 : fadeFrames_;
    }
    return WaveResult::Ok;
}

int WaveMixer::takeQueue(Voice& voice, std::array<WaveBuffer*, WaveDevice::kQueueLength>& taken) {
    const int count = voice.count;
    for (int i = 0; i < count; ++i) {
        taken[i] = voice.queue[i];
        markHandedBack(*taken[i]);
    }
    if (count > 0) {
        // Fade from where the sound stands now (with any fade already running) to silence.
        voice.tailFrom = tailValue(voice) + voice.last;
        voice.tail = fadeFrames_;
    }
    voice.count = 0;
    voice.last = 0;
    voice.justEnded = false;
    return count;
}

WaveResult WaveMixer::reset(int index) {
    std::array<WaveBuffer*, WaveDevice::kQueueLength> taken{};
    std::unique_lock lock(mutex_);
    Voice& voice = voices_[index];
    // A notice the sound thread is running may write its buffer again; wait for it, so
    // that buffer is handed back too.
    deliveryEnded_.wait(lock, [&voice] { return !voice.delivering; });
    const int count = takeQueue(voice, taken);
    lock.unlock();
    for (int i = 0; i < count; ++i)
        voice.callback(WaveMessage::Done, taken[i]);
    return WaveResult::Ok;
}

void WaveMixer::close(int index) {
    std::array<WaveBuffer*, WaveDevice::kQueueLength> taken{};
    std::unique_lock lock(mutex_);
    Voice& voice = voices_[index];
    deliveryEnded_.wait(lock, [&voice] { return !voice.delivering; });
    takeQueue(voice, taken);
    WaveCallback callback = std::move(voice.callback);
    voice.callback = nullptr;
    voice.open = false;
    lock.unlock();
    callback(WaveMessage::Close, nullptr);
}

std::int32_t WaveMixer::tailValue(const Voice& voice) const {
    if (voice.tail <= 0 || fadeFrames_ == 0) return 0;
    return static_cast<std::int32_t>(static_cast<std::int64_t>(voice.tailFrom) * voice.tail /
                                     fadeFrames_);
}

std::int32_t WaveMixer::nextSample(Voice& voice) {
    const WaveBuffer& buffer = *voice.queue[0];
    const std::uint32_t index = static_cast<std::uint32_t>(voice.position >> 32);
    if (index >= buffer.length) return 0;
    // Unsigned 8-bit around 128 to signed 16-bit, then a straight line towards the next
    // sample by the fraction of the way the output frame lies between them.
    const std::int32_t here = (static_cast<std::int32_t>(buffer.data[index]) - 128) * 256;
    const std::int32_t next = index + 1 < buffer.length
                                  ? (static_cast<std::int32_t>(buffer.data[index + 1]) - 128) * 256
                                  : here;
    const std::int32_t fraction = static_cast<std::int32_t>((voice.position >> 16) & 0xFFFF);
    std::int32_t value =
        here + static_cast<std::int32_t>((static_cast<std::int64_t>(next - here) * fraction) >> 16);
    if (voice.fadeIn > 0) {
        value = static_cast<std::int32_t>(static_cast<std::int64_t>(value) *
                                          (fadeFrames_ - voice.fadeIn) / fadeFrames_);
        --voice.fadeIn;
    }
    voice.position += voice.step;
    return value;
}

void WaveMixer::mix(std::int16_t* out, int frames) {
    std::unique_lock lock(mutex_);
    for (int frame = 0; frame < frames; ++frame) {
        std::int32_t sum = 0;
        bool anyFinished = false;
        for (Voice& voice : voices_) {
            if (voice.tail > 0) {
                sum += tailValue(voice);
                --voice.tail;
            }
            if (voice.count == 0) continue;
            const std::int32_t value = nextSample(voice);
            voice.last = value;
            sum += value;
            WaveBuffer& buffer = *voice.queue[0];
            if ((voice.position >> 32) < buffer.length) continue;
            // The buffer has ended: the next queued one starts with the next frame, keeping
            // the fraction of a sample already gone by.
            markHandedBack(buffer);
            for (int i = 1; i < voice.count; ++i)
                voice.queue[i - 1] = voice.queue[i];
            --voice.count;
            voice.position &= 0xFFFFFFFFu;
            voice.finished = &buffer;
            voice.justEnded = voice.count == 0;
            anyFinished = true;
        }
        const std::int16_t sample = limit(sum);
        for (int channel = 0; channel < channels_; ++channel)
            *out++ = sample;
        if (anyFinished) deliverFinished(lock);
    }
}

void WaveMixer::deliverFinished(std::unique_lock<std::mutex>& lock) {
    std::array<int, kMaxDevices> indices{};
    std::array<WaveBuffer*, kMaxDevices> buffers{};
    int count = 0;
    for (int index = 0; index < kMaxDevices; ++index) {
        Voice& voice = voices_[index];
        if (!voice.finished) continue;
        indices[count] = index;
        buffers[count++] = voice.finished;
        voice.finished = nullptr;
        voice.delivering = true;
    }
    // The notices run unlocked, so they may write their buffers again; a reset or close
    // of the same device waits until its notice has returned.
    lock.unlock();
    for (int i = 0; i < count; ++i)
        voices_[indices[i]].callback(WaveMessage::Done, buffers[i]);
    lock.lock();
    for (int i = 0; i < count; ++i) {
        Voice& voice = voices_[indices[i]];
        voice.delivering = false;
        // Nothing written from the notice: the sound has ended, fade its last value out.
        if (voice.justEnded && voice.count == 0) {
            voice.tailFrom = tailValue(voice) + voice.last;
            voice.tail = fadeFrames_;
            voice.last = 0;
        }
        voice.justEnded = false;
    }
    deliveryEnded_.notify_all();
}

std::int16_t WaveMixer::limit(std::int32_t sum) {
    const std::int64_t magnitude = std::llabs(sum);
    if (magnitude <= kKnee) return static_cast<std::int16_t>(sum);
    const std::int64_t over = magnitude - kKnee;
    constexpr std::int64_t kRoom = kFullScale - kKnee;
    // over / (over + room) grows from 0 towards 1 with slope 1 at the knee, so the curve
    // joins the straight part without a kink.
    const std::int64_t shaped = kKnee + over * kRoom / (over + kRoom);
    return static_cast<std::int16_t>(sum < 0 ? -shaped : shaped);
}

}  // namespace cindervane::platform
