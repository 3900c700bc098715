// Silent wave devices that keep time.
#include "platform/audio/timed_wave_output.h"

namespace cindervane::platform {

namespace {

// True when tick a comes before tick b on a clock that wraps around.
bool before(std::uint32_t a, std::uint32_t b) {
    return static_cast<std::int32_t>(a - b) < 0;
}

}  // namespace

class TimedWaveOutput::Device : public WaveDevice {
  public:
    Device(TimedWaveOutput& output, int slot, const WaveFormat& format, WaveCallback callback)
        : output_(output), slot_(slot), format_(format), callback_(std::move(callback)) {}

    ~Device() override {
        for (int i = 0; i < count_; ++i)
            handBack(i);
        count_ = 0;
        output_.devices_[slot_] = nullptr;
        callback_(WaveMessage::Close, nullptr);
    }

    WaveResult write(WaveBuffer& buffer) override {
        if (!(buffer.flags & kWaveBufferPrepared)) return WaveResult::Unprepared;
        if (buffer.flags & kWaveBufferInQueue) return WaveResult::StillPlaying;
        if (count_ == kQueueLength) return WaveResult::QueueFull;
        // Behind the last queued buffer; a buffer written from the Done notice of the one
        // that just ended follows it seamlessly; otherwise it starts now.
        std::uint32_t start = output_.clock_();
        if (count_ > 0) {
            start = queue_[count_ - 1].endTick;
        } else if (delivering_) {
            start = lastEnd_;
        }
        buffer.flags = (buffer.flags & ~kWaveBufferDone) | kWaveBufferInQueue;
        queue_[count_++] =
            Queued{&buffer, start + playingTime(buffer.length, format_.samplesPerSecond)};
        return WaveResult::Ok;
    }

    WaveResult reset() override {
        while (count_ > 0) {
            WaveBuffer* buffer = queue_[0].buffer;
            pop();
            callback_(WaveMessage::Done, buffer);
        }
        return WaveResult::Ok;
    }

    bool due(std::uint32_t now) const { return count_ > 0 && !before(now, queue_[0].endTick); }
    std::uint32_t firstEnd() const { return queue_[0].endTick; }

    void finishFirst() {
        WaveBuffer* buffer = queue_[0].buffer;
        lastEnd_ = queue_[0].endTick;
        pop();
        delivering_ = true;
        callback_(WaveMessage::Done, buffer);
        delivering_ = false;
    }

    void sendOpen() { callback_(WaveMessage::Open, nullptr); }

  private:
    struct Queued {
        WaveBuffer* buffer = nullptr;
        std::uint32_t endTick = 0;
    };

    void handBack(int index) {
        WaveBuffer& buffer = *queue_[index].buffer;
        buffer.flags = (buffer.flags & ~kWaveBufferInQueue) | kWaveBufferDone;
    }

    void pop() {
        handBack(0);
        for (int i = 1; i < count_; ++i)
            queue_[i - 1] = queue_[i];
        --count_;
    }

    TimedWaveOutput& output_;
    int slot_;
    WaveFormat format_;
    WaveCallback callback_;
    std::array<Queued, kQueueLength> queue_{};
    int count_ = 0;
    bool delivering_ = false;
    std::uint32_t lastEnd_ = 0;
};

TimedWaveOutput::TimedWaveOutput(std::function<std::uint32_t()> clock) : clock_(std::move(clock)) {}

TimedWaveOutput::~TimedWaveOutput() = default;

std::unique_ptr<WaveDevice> TimedWaveOutput::open(const WaveFormat& format, WaveCallback callback,
                                                  WaveResult& result) {
    if (!WaveDevice::formatSupported(format)) {
        result = WaveResult::BadFormat;
        return nullptr;
    }
    for (int slot = 0; slot < kMaxDevices; ++slot) {
        if (devices_[slot]) continue;
        auto device = std::make_unique<Device>(*this, slot, format, std::move(callback));
        devices_[slot] = device.get();
        device->sendOpen();
        result = WaveResult::Ok;
        return device;
    }
    result = WaveResult::NoDevice;
    return nullptr;
}

void TimedWaveOutput::deliverDue(std::uint32_t now) {
    // Oldest first across all devices, ties by the device's slot, so a run
    // on a virtual clock hears its notices in the same order every time. Each notice moves
    // its device's next end on by at least a millisecond, so this always comes to an end.
    for (;;) {
        Device* next = nullptr;
        for (Device* device : devices_) {
            if (!device || !device->due(now)) continue;
            if (!next || before(device->firstEnd(), next->firstEnd())) next = device;
        }
        if (!next) return;
        next->finishFirst();
    }
}

std::uint32_t TimedWaveOutput::playingTime(std::uint32_t samples, std::uint32_t samplesPerSecond) {
    const std::uint64_t milliseconds =
        (static_cast<std::uint64_t>(samples) * 1000 + samplesPerSecond - 1) / samplesPerSecond;
    return milliseconds == 0 ? 1 : static_cast<std::uint32_t>(milliseconds);
}

}  // namespace cindervane::platform
