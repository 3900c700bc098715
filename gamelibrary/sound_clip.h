// A sound clip: one wave output device of its own, opened for unsigned 8-bit mono samples
// at 11025 a second, holding one sound read whole from a .BAS file, which it plays once, or
// again and again up to a repeat limit, and stops.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/audio/wave_output.h"

namespace cindervane {

class SoundClip {
  public:
    // The header in front of the samples of a .BAS file, never read: a file shorter than
    // this is not a sound.
    static constexpr std::uint32_t kHeaderSize = 44;
    // Longest sound file accepted (about 25 minutes of samples), so a damaged or wrong file
    // cannot make the clip ask for a huge block of memory.
    static constexpr std::uint32_t kMaxFileSize = 16 * 1024 * 1024;

    // Opens the clip's own device when the service has any; without one the clip stays
    // silent and every load fails.
    explicit SoundClip(platform::WaveOutput& output);
    virtual ~SoundClip();
    SoundClip(const SoundClip&) = delete;
    SoundClip& operator=(const SoundClip&) = delete;

    // Reads the whole file and prepares its samples for the device; false when the file
    // cannot be read, is shorter than the header or too long, or the device refuses it.
    // Callers unload first; a clip whose sound is still playing keeps it and fails.
    bool load(const std::filesystem::path& path);
    // Frees the sound, unless the device still holds it (then it is kept).
    void unload();
    // Starts the sound unless it is already playing; either way loop decides whether it
    // repeats (up to the repeat limit) when a pass ends.
    void play(bool loop);
    // Stops at once and forgets the looping; nothing happens on an idle clip.
    void stop();
    bool isPlaying() const { return playing_; }
    // The most passes one looping start plays.
    void setRepeatLimit(std::int32_t limit) { repeatLimit_ = limit; }

    bool isLooping() const { return looping_; }
    std::int32_t plays() const { return plays_; }
    std::int32_t repeatLimit() const { return repeatLimit_; }
    bool hasDevice() const { return device_ != nullptr; }
    // The name of the file whose sound the clip holds; empty when it holds none.
    const std::string& fileName() const { return fileName_; }

  private:
    // The device's notices; only the end of a pass is acted on. Runs on the device's
    // thread, so everything it shares with the game thread is atomic.
    void onWaveMessage(platform::WaveMessage message);

    // The device is reached through a pointer that never changes while it is open: the
    // notices read it on the device's thread while the owner is being cleared at the end.
    std::unique_ptr<platform::WaveDevice> deviceOwner_;
    platform::WaveDevice* device_ = nullptr;
    platform::WaveBuffer header_;
    platform::WaveFormat format_;
    std::uint32_t fileSize_ = 0;
    std::unique_ptr<std::uint8_t[]> soundData_;
    std::atomic<bool> playing_{false};
    std::atomic<bool> looping_{false};
    std::atomic<std::int32_t> plays_{0};
    std::atomic<std::int32_t> repeatLimit_{0};
    std::string fileName_;
};

}  // namespace cindervane
