// Silent devices that keep time: when buffers finish, in what order the notices come, and
// how the headless platform delivers them on its virtual clock.
#include "platform/audio/timed_wave_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless_platform.h"

namespace cindervane::platform {
namespace {

// A device with one buffer that notes the tick of every notice it gets.
struct Timed {
    Timed(WaveOutput& output, std::uint32_t samples, std::function<std::uint32_t()> clock,
          int repeats = 0, std::string name = "")
        : samples(samples, 128), clock(std::move(clock)), repeatsLeft(repeats), name(name) {
        WaveResult result;
        device = output.open(
            WaveFormat{},
            [this](WaveMessage message, WaveBuffer* finished) {
                if (message != WaveMessage::Done) return;
                doneTicks.push_back(this->clock());
                if (log) log->push_back(this->name);
                if (repeatsLeft > 0) {
                    --repeatsLeft;
                    device->write(*finished);
                }
            },
            result);
        buffer.data = this->samples.data();
        buffer.length = samples;
        device->prepare(buffer);
    }

    std::vector<std::uint8_t> samples;
    std::function<std::uint32_t()> clock;
    int repeatsLeft;
    std::string name;
    std::vector<std::string>* log = nullptr;
    WaveBuffer buffer;
    std::unique_ptr<WaveDevice> device;
    std::vector<std::uint32_t> doneTicks;
};

TEST(TimedWaveOutput, ABufferFinishesExactlyWhenItsPlayingTimeHasGoneBy) {
    std::uint32_t now = 5000;
    TimedWaveOutput output([&] { return now; });
    Timed sound(output, 1103, [&] { return now; });  // 101 ms
    sound.device->write(sound.buffer);
    output.deliverDue(5100);
    EXPECT_TRUE(sound.doneTicks.empty());
    output.deliverDue(5101);
    EXPECT_EQ(sound.doneTicks.size(), 1u);
    EXPECT_TRUE(sound.buffer.flags & kWaveBufferDone);
    // Playing times round up to whole milliseconds, and even nothing takes one.
    EXPECT_EQ(TimedWaveOutput::playingTime(11025, 11025), 1000u);
    EXPECT_EQ(TimedWaveOutput::playingTime(0, 11025), 1u);
}

TEST(TimedWaveOutput, RepeatsKeepExactTimeHoweverLateTheNoticesAreDelivered) {
    std::uint32_t now = 0;
    TimedWaveOutput output([&] { return now; });
    std::uint32_t deliveredAt = 0;
    Timed sound(
        output, 110, [&] { return deliveredAt; }, 2);  // 10 ms a pass, 3 passes
    sound.device->write(sound.buffer);
    // One late delivery still finds the three passes ending at 10, 20 and 30.
    deliveredAt = 25;
    output.deliverDue(25);
    EXPECT_EQ(sound.doneTicks.size(), 2u);
    deliveredAt = 29;
    output.deliverDue(29);
    EXPECT_EQ(sound.doneTicks.size(), 2u);
    deliveredAt = 30;
    output.deliverDue(30);
    EXPECT_EQ(sound.doneTicks.size(), 3u);
}

TEST(TimedWaveOutput, NoticesComeOldestFirstAcrossDevices) {
    std::uint32_t now = 0;
    TimedWaveOutput output([&] { return now; });
    std::vector<std::string> log;
    Timed longer(
        output, 331, [&] { return now; }, 0, "long");  // 31 ms
    Timed shorter(
        output, 110, [&] { return now; }, 2, "short");  // 10 ms, three times
    longer.log = &log;
    shorter.log = &log;
    longer.device->write(longer.buffer);
    shorter.device->write(shorter.buffer);
    output.deliverDue(40);
    EXPECT_EQ(log, (std::vector<std::string>{"short", "short", "short", "long"}));
}

TEST(TimedWaveOutput, ResetHandsEverythingBackBeforeReturning) {
    std::uint32_t now = 0;
    TimedWaveOutput output([&] { return now; });
    Timed sound(output, 11025, [&] { return now; });
    sound.device->write(sound.buffer);
    EXPECT_EQ(sound.device->unprepare(sound.buffer), WaveResult::StillPlaying);
    sound.device->reset();
    EXPECT_EQ(sound.doneTicks.size(), 1u);
    EXPECT_FALSE(sound.buffer.flags & kWaveBufferInQueue);
    output.deliverDue(5000);
    EXPECT_EQ(sound.doneTicks.size(), 1u);
}

TEST(HeadlessWaveOutput, NoticesArriveWhilePumpingOnTheVirtualClock) {
    PlatformOptions options;
    HeadlessPlatform host(options, {});
    ASSERT_EQ(host.waveOutput().deviceCount(), 1);
    Timed sound(host.waveOutput(), 1103, [&] { return host.tickCount(); });  // 101 ms
    sound.device->write(sound.buffer);
    const std::uint32_t start = host.tickCount();
    Message message;
    for (int frame = 0; frame < 3; ++frame) {
        // As the shell's loop waits for the next frame, 33 ms later each time.
        host.waitForMessageOrTick(true, host.tickCount() + 32);
        host.peekMessage(message);
    }
    EXPECT_TRUE(sound.doneTicks.empty());  // 99 ms have gone by
    host.waitForMessageOrTick(true, host.tickCount() + 32);
    host.peekMessage(message);
    ASSERT_EQ(sound.doneTicks.size(), 1u);
    EXPECT_EQ(sound.doneTicks[0], start + 132);  // delivered at the first pump after 101 ms
}

TEST(HeadlessWaveOutput, NoWaveDeviceOptionReportsNone) {
    PlatformOptions options;
    options.noWaveDevice = true;
    HeadlessPlatform host(options, {});
    EXPECT_EQ(host.waveOutput().deviceCount(), 0);
    WaveResult result;
    EXPECT_EQ(host.waveOutput().open(
                  WaveFormat{}, [](WaveMessage, WaveBuffer*) {}, result),
              nullptr);
    EXPECT_EQ(result, WaveResult::NoDevice);
}

}  // namespace
}  // namespace cindervane::platform
