// The desktop's sound under SDL's dummy audio driver: a buffer finishes on the sound thread,
// and without a device the game still gets silent devices that keep time, or none at all
// when asked.
#include "platform/audio/sdl_audio_output.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/sdl_platform.h"

namespace cindervane::platform {
namespace {

struct Notices {
    std::atomic<int> done{0};
    std::atomic<bool> otherThread{false};
    std::thread::id gameThread = std::this_thread::get_id();

    WaveCallback callback() {
        return [this](WaveMessage message, WaveBuffer*) {
            if (message != WaveMessage::Done) return;
            otherThread = std::this_thread::get_id() != gameThread;
            ++done;
        };
    }
};

TEST(SdlAudioOutput, FinishedBuffersAreHandedBackOnTheSoundThread) {
    std::string error;
    std::unique_ptr<SdlAudioOutput> output = SdlAudioOutput::start(error);
    if (!output) GTEST_SKIP() << "no audio device here: " << error;
    Notices notices;
    WaveResult result;
    std::unique_ptr<WaveDevice> device = output->open(WaveFormat{}, notices.callback(), result);
    ASSERT_TRUE(device);
    std::vector<std::uint8_t> samples(110, 200);
    WaveBuffer buffer;
    buffer.data = samples.data();
    buffer.length = static_cast<std::uint32_t>(samples.size());
    device->prepare(buffer);
    ASSERT_EQ(device->write(buffer), WaveResult::Ok);
    // Generous: this waits for the sound thread, it does not time it.
    for (int i = 0; i < 500 && notices.done == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(notices.done, 1);
    EXPECT_TRUE(notices.otherThread);
    EXPECT_EQ(device->unprepare(buffer), WaveResult::Ok);
}

TEST(SdlAudioOutput, NoSoundGivesSilentDevicesThatKeepTime) {
    PlatformOptions options;
    options.noSound = true;
    SdlPlatform host(options);
    EXPECT_FALSE(host.soundAudible());
    ASSERT_EQ(host.waveOutput().deviceCount(), 1);
    Notices notices;
    WaveResult result;
    std::unique_ptr<WaveDevice> device =
        host.waveOutput().open(WaveFormat{}, notices.callback(), result);
    ASSERT_TRUE(device);
    std::vector<std::uint8_t> samples(110, 200);  // 10 ms
    WaveBuffer buffer;
    buffer.data = samples.data();
    buffer.length = static_cast<std::uint32_t>(samples.size());
    device->prepare(buffer);
    device->write(buffer);
    Message message;
    for (int i = 0; i < 500 && notices.done == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        host.peekMessage(message);
    }
    EXPECT_EQ(notices.done, 1);
    EXPECT_FALSE(notices.otherThread);  // silent devices speak on the game thread
}

TEST(SdlAudioOutput, NoWaveDeviceReportsNone) {
    PlatformOptions options;
    options.noWaveDevice = true;
    SdlPlatform host(options);
    EXPECT_EQ(host.waveOutput().deviceCount(), 0);
}

}  // namespace
}  // namespace cindervane::platform
