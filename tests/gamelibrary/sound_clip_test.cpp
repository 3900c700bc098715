// Sound clips: loading .BAS files, playing once and up to a repeat limit, stopping, and
// the clip's flags as the device's notices change them.
#include "gamelibrary/sound_clip.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <thread>

#include "../bas_file.h"
#include "../test_folder.h"
#include "platform/audio/absent_wave_output.h"
#include "platform/audio/timed_wave_output.h"
#include "platform/audio/wave_mixer.h"

namespace cindervane {
namespace {

using platform::TimedWaveOutput;
using platform::WaveBuffer;
using platform::WaveResult;

// A clip on a silent device whose clock the test moves by hand.
struct ClipOnClock {
    std::uint32_t now = 1000;
    TimedWaveOutput output{[this] { return now; }};
    TestFolder folder;
    SoundClip clip{output};

    // Loads a sound of this many milliseconds at 11025 samples a second.
    void loadSound(std::uint32_t milliseconds) {
        const auto path = folder.path() / "W0001.BAS";
        writeBasFile(path, milliseconds * 11025 / 1000 + 1);
        ASSERT_TRUE(clip.load(path));
    }
    void advance(std::uint32_t milliseconds) {
        now += milliseconds;
        output.deliverDue(now);
    }
};

// A device that plays nothing, finishes only when told and can refuse writes.
class HandWaveOutput : public platform::WaveOutput {
  public:
    int deviceCount() const override { return 1; }
    std::unique_ptr<platform::WaveDevice> open(const platform::WaveFormat&,
                                               platform::WaveCallback callback,
                                               WaveResult& result) override {
        result = WaveResult::Ok;
        return std::make_unique<Device>(*this, std::move(callback));
    }

    void finish() {
        WaveBuffer* buffer = queued;
        queued = nullptr;
        buffer->flags &= ~platform::kWaveBufferInQueue;
        callback(platform::WaveMessage::Done, buffer);
    }

    bool refuseWrites = false;
    WaveBuffer* queued = nullptr;
    platform::WaveCallback callback;

  private:
    class Device : public platform::WaveDevice {
      public:
        Device(HandWaveOutput& output, platform::WaveCallback callback) : output_(output) {
            output_.callback = std::move(callback);
        }
        WaveResult write(WaveBuffer& buffer) override {
            if (output_.refuseWrites) return WaveResult::QueueFull;
            buffer.flags |= platform::kWaveBufferInQueue;
            output_.queued = &buffer;
            return WaveResult::Ok;
        }
        WaveResult reset() override {
            if (output_.queued) output_.finish();
            return WaveResult::Ok;
        }

      private:
        HandWaveOutput& output_;
    };
};

TEST(SoundClip, ALoopingStartPlaysUpToTheRepeatLimitThenTheClipIsIdle) {
    // A limit of 3 sounds three times; 0 and 1 sound once.
    for (int limit : {3, 1, 0}) {
        ClipOnClock c;
        c.loadSound(100);
        c.clip.setRepeatLimit(limit);
        c.clip.play(true);
        const int passes = limit > 1 ? limit : 1;
        for (int pass = 1; pass <= passes; ++pass) {
            EXPECT_TRUE(c.clip.isPlaying()) << "limit " << limit << " pass " << pass;
            EXPECT_EQ(c.clip.plays(), pass);
            c.advance(101);
        }
        EXPECT_FALSE(c.clip.isPlaying()) << "limit " << limit;
        EXPECT_FALSE(c.clip.isLooping());
        EXPECT_EQ(c.clip.plays(), 0);
    }
}

TEST(SoundClip, PlayWithoutLoopOnALoopingClipEndsAfterTheCurrentPass) {
    ClipOnClock c;
    c.loadSound(100);
    c.clip.setRepeatLimit(100);
    c.clip.play(true);
    c.advance(101);
    EXPECT_EQ(c.clip.plays(), 2);
    c.clip.play(false);  // not restarted: the second pass goes on
    EXPECT_TRUE(c.clip.isPlaying());
    EXPECT_FALSE(c.clip.isLooping());
    EXPECT_EQ(c.clip.plays(), 2);
    c.advance(101);
    EXPECT_FALSE(c.clip.isPlaying());
}

TEST(SoundClip, StopEndsALoopAtOnceAndKeepsTheRepeatLimit) {
    ClipOnClock c;
    c.loadSound(100);
    c.clip.stop();  // on an idle clip: nothing
    c.clip.setRepeatLimit(100);
    c.clip.play(true);
    c.clip.stop();
    EXPECT_FALSE(c.clip.isPlaying());
    EXPECT_EQ(c.clip.plays(), 0);
    EXPECT_EQ(c.clip.repeatLimit(), 100);
    c.advance(1000);
    EXPECT_FALSE(c.clip.isPlaying());
    c.clip.play(false);  // and it can start again
    EXPECT_TRUE(c.clip.isPlaying());
}

TEST(SoundClip, RefusedWritesChangeNothing) {
    HandWaveOutput output;
    TestFolder folder;
    writeBasFile(folder.path() / "W0002.BAS", 10);
    SoundClip clip(output);
    ASSERT_TRUE(clip.load(folder.path() / "W0002.BAS"));
    output.refuseWrites = true;
    clip.play(true);
    EXPECT_FALSE(clip.isPlaying());
    EXPECT_FALSE(clip.isLooping());
    EXPECT_EQ(clip.plays(), 0);

    // A refused repeat leaves the clip as it was, still marked playing.
    output.refuseWrites = false;
    clip.setRepeatLimit(5);
    clip.play(true);
    output.refuseWrites = true;
    output.finish();
    EXPECT_TRUE(clip.isPlaying());
    EXPECT_TRUE(clip.isLooping());
    EXPECT_EQ(clip.plays(), 1);
}

TEST(SoundClip, FilesOfTheHeaderSizeAreEmptySoundsAndShorterOrOddFilesAreNone) {
    ClipOnClock c;
    writeRawFile(c.folder.path() / "empty.BAS", 44);
    ASSERT_TRUE(c.clip.load(c.folder.path() / "empty.BAS"));
    EXPECT_EQ(c.clip.fileName(), "empty.BAS");
    c.clip.play(false);
    EXPECT_TRUE(c.clip.isPlaying());
    c.advance(1);
    EXPECT_FALSE(c.clip.isPlaying());

    // Too short, missing, a folder, a huge file (sparse: it takes no disk and must not be
    // read), a pipe (a plain open would wait for a writer for ever) and a device.
    const auto& folder = c.folder.path();
    writeRawFile(folder / "short.BAS", 43);
    writeRawFile(folder / "huge.BAS", 0);
    std::filesystem::resize_file(folder / "huge.BAS", std::uintmax_t{1} << 34);
    ASSERT_EQ(::mkfifo((folder / "pipe.BAS").c_str(), 0600), 0);
    SoundClip other(c.output);
    for (const std::filesystem::path& path :
         {folder / "short.BAS", folder / "missing.BAS", folder, folder / "huge.BAS",
          folder / "pipe.BAS", std::filesystem::path("/dev/zero")})
        EXPECT_FALSE(other.load(path)) << path;
    EXPECT_EQ(other.fileName(), "");
}

TEST(SoundClip, WithoutAWaveDeviceLoadsFailAndNothingPlays) {
    platform::AbsentWaveOutput output;
    TestFolder folder;
    writeBasFile(folder.path() / "W0001.BAS", 100);
    SoundClip clip(output);
    EXPECT_FALSE(clip.hasDevice());
    EXPECT_FALSE(clip.load(folder.path() / "W0001.BAS"));
    clip.play(true);
    EXPECT_FALSE(clip.isPlaying());
    clip.stop();
    clip.unload();
}

TEST(SoundClip, ASoundStillPlayingIsNeitherUnloadedNorReplaced) {
    ClipOnClock c;
    c.loadSound(100);
    writeBasFile(c.folder.path() / "W0002.BAS", 100);
    c.clip.play(false);
    c.clip.unload();
    EXPECT_EQ(c.clip.fileName(), "W0001.BAS");
    EXPECT_FALSE(c.clip.load(c.folder.path() / "W0002.BAS"));
    EXPECT_EQ(c.clip.fileName(), "W0001.BAS");
    c.advance(101);
    c.clip.unload();
    EXPECT_EQ(c.clip.fileName(), "");
    EXPECT_TRUE(c.clip.load(c.folder.path() / "W0002.BAS"));
}

// The notices of a real mixer come from another thread while the game plays and stops the
// clip; run under ThreadSanitizer this shows the shared flags are safe.
TEST(SoundClip, PlaysAndStopsWhileTheSoundThreadHandsBuffersBack) {
    platform::WaveMixer mixer(44100, 1, 8);
    TestFolder folder;
    writeBasFile(folder.path() / "W0003.BAS", 20, 200);
    SoundClip clip(mixer);
    ASSERT_TRUE(clip.load(folder.path() / "W0003.BAS"));
    std::atomic<bool> running{true};
    std::thread soundThread([&] {
        std::array<std::int16_t, 64> block{};
        while (running)
            mixer.mix(block.data(), static_cast<int>(block.size()));
    });
    for (int round = 0; round < 2000; ++round) {
        clip.setRepeatLimit(round % 5);
        clip.play(round % 2 == 0);
        if (round % 3 == 0) clip.stop();
    }
    clip.stop();
    EXPECT_FALSE(clip.isPlaying());
    for (int i = 0; i < 1000 && clip.plays() != 0; ++i)
        std::this_thread::yield();
    running = false;
    soundThread.join();
    EXPECT_FALSE(clip.isLooping());
}

}  // namespace
}  // namespace cindervane
