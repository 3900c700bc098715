// A sound clip with a wave device of its own.
#include "gamelibrary/sound_clip.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/regular_file.h"

namespace cindervane {

using platform::WaveMessage;
using platform::WaveResult;

SoundClip::SoundClip(platform::WaveOutput& output) {
    if (output.deviceCount() < 1) return;
    WaveResult result = WaveResult::Ok;
    deviceOwner_ = output.open(
        format_, [this](WaveMessage message, platform::WaveBuffer*) { onWaveMessage(message); },
        result);
    device_ = deviceOwner_.get();
}

SoundClip::~SoundClip() {
    // Closing the device first: once it is closed no notice can reach this clip.
    deviceOwner_.reset();
}

bool SoundClip::load(const std::filesystem::path& path) {
    // The device may still be playing the old sound: its samples must stay where they are.
    if (header_.flags & platform::kWaveBufferInQueue) return false;

    // Only a regular file is read, and opening never waits on a pipe or a device.
    std::vector<std::uint8_t> bytes;
    std::string reason;
    if (platform::readRegularFile(path, kMaxFileSize, bytes, reason) != platform::FileRead::Read ||
        bytes.size() < kHeaderSize)
        return false;
    const std::size_t size = bytes.size();
    auto data = std::make_unique<std::uint8_t[]>(size);
    std::memcpy(data.get(), bytes.data(), size);

    if (device_) device_->unprepare(header_);
    soundData_ = std::move(data);
    fileSize_ = static_cast<std::uint32_t>(size);
    fileName_ = path.filename().string();
    header_.clear();
    header_.data = soundData_.get() + kHeaderSize;
    header_.length = fileSize_ - kHeaderSize;
    return device_ && device_->prepare(header_) == WaveResult::Ok;
}

void SoundClip::unload() {
    if (!soundData_ || !device_ || device_->unprepare(header_) != WaveResult::Ok) return;
    soundData_.reset();
    header_.clear();
    fileSize_ = 0;
    fileName_.clear();
}

void SoundClip::play(bool loop) {
    if (!playing_) {
        if (!device_) return;
        // The flags are set before the write, so a pass that ends at once (an empty sound)
        // finds them already set; a refused write puts them back as they were.
        const bool wasLooping = looping_;
        looping_ = loop;
        playing_ = true;
        ++plays_;
        if (device_->write(header_) != WaveResult::Ok) {
            --plays_;
            playing_ = false;
            looping_ = wasLooping;
        }
        return;
    }
    looping_ = loop;
}

void SoundClip::stop() {
    if (!playing_) return;
    playing_ = false;
    looping_ = false;
    // The device hands the sound back at once; its notice then finds the looping cleared.
    device_->reset();
}

void SoundClip::onWaveMessage(WaveMessage message) {
    if (message != WaveMessage::Done) return;
    if (looping_ && plays_ < repeatLimit_) {
        // A refused repeat leaves the flags as they are.
        if (device_->write(header_) == WaveResult::Ok) ++plays_;
        return;
    }
    playing_ = false;
    looping_ = false;
    plays_ = 0;
}

}  // namespace cindervane
