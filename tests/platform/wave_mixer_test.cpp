// The mixer: pitch-true rate conversion, the limiter, fades at starts and stops, seamless
// repeats and how buffers are handed back.
#include "platform/audio/wave_mixer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace cindervane::platform {
namespace {

// A device on the mixer with its buffer and a count of the notices it got.
struct Voice {
    explicit Voice(WaveMixer& mixer, std::vector<std::uint8_t> samples, bool repeat = false)
        : samples(std::move(samples)) {
        WaveResult result;
        device = mixer.open(
            WaveFormat{},
            [this, repeat](WaveMessage message, WaveBuffer* finished) {
                if (message == WaveMessage::Done) {
                    ++done;
                    if (repeat) device->write(*finished);
                }
                if (message == WaveMessage::Close) ++closed;
            },
            result);
        EXPECT_EQ(result, WaveResult::Ok);
        buffer.data = this->samples.data();
        buffer.length = static_cast<std::uint32_t>(this->samples.size());
        device->prepare(buffer);
    }

    std::vector<std::uint8_t> samples;
    WaveBuffer buffer;
    std::unique_ptr<WaveDevice> device;
    int done = 0;
    int closed = 0;
};

std::vector<std::int16_t> mix(WaveMixer& mixer, int frames) {
    std::vector<std::int16_t> out(static_cast<std::size_t>(frames * mixer.channels()));
    mixer.mix(out.data(), frames);
    return out;
}

TEST(WaveMixer, PlaysEachSourceSampleForAsManyFramesAsTheRatesDemand) {
    // 100 samples at 11025 a second are 400 frames at 44100 and 200 at 22050.
    for (int rate : {44100, 22050}) {
        WaveMixer mixer(rate, 1, 0);
        Voice voice(mixer, std::vector<std::uint8_t>(100, 200));
        voice.device->write(voice.buffer);
        mix(mixer, rate / 11025 * 100 - 1);
        EXPECT_EQ(voice.done, 0) << rate;
        mix(mixer, 1);
        EXPECT_EQ(voice.done, 1) << rate;
    }
}

TEST(WaveMixer, DrawsStraightLinesBetweenSamplesOnEveryChannel) {
    WaveMixer mixer(44100, 2, 0);
    Voice voice(mixer, {128, 192});
    voice.device->write(voice.buffer);
    const std::vector<std::int16_t> out = mix(mixer, 10);
    const std::vector<std::int16_t> expected = {0,     4096,  8192,  12288, 16384,
                                                16384, 16384, 16384, 0,     0};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(out[2 * i], expected[i]) << i;
        EXPECT_EQ(out[2 * i + 1], expected[i]) << i;
    }
}

TEST(WaveMixer, LimiterKeepsQuietSumsAndNeverWrapsLoudOnes) {
    EXPECT_EQ(WaveMixer::limit(0), 0);
    EXPECT_EQ(WaveMixer::limit(20000), 20000);
    EXPECT_EQ(WaveMixer::limit(-24576), -24576);
    std::int16_t previous = WaveMixer::limit(-600000);
    for (std::int32_t sum = -600000; sum <= 600000; sum += 7) {
        const std::int16_t value = WaveMixer::limit(sum);
        ASSERT_GE(value, previous) << "at " << sum;  // rises with the sum, never folds back
        ASSERT_LE(std::abs(value), 32767) << "at " << sum;
        previous = value;
    }
    EXPECT_GT(WaveMixer::limit(600000), 32000);
}

TEST(WaveMixer, ManyLoudSoundsTogetherSaturateInsteadOfWrapping) {
    WaveMixer mixer(44100, 1, 0);
    std::vector<std::unique_ptr<Voice>> loud;
    for (int i = 0; i < WaveMixer::kMaxDevices; ++i) {
        loud.push_back(std::make_unique<Voice>(mixer, std::vector<std::uint8_t>(50, 255)));
        loud.back()->device->write(loud.back()->buffer);
    }
    for (std::int16_t sample : mix(mixer, 100)) {
        EXPECT_GT(sample, 32000);
    }
    WaveResult result;
    EXPECT_EQ(mixer.open(
                  WaveFormat{}, [](WaveMessage, WaveBuffer*) {}, result),
              nullptr);
    EXPECT_EQ(result, WaveResult::NoDevice);  // every voice is taken
}

TEST(WaveMixer, FadesInAtTheStartAndOutAfterAReset) {
    WaveMixer mixer(44100, 1, 8);
    Voice voice(mixer, std::vector<std::uint8_t>(1000, 192));
    voice.device->write(voice.buffer);
    const std::vector<std::int16_t> start = mix(mixer, 10);
    EXPECT_EQ(start.front(), 0);
    for (std::size_t i = 1; i < start.size(); ++i) {
        EXPECT_GE(start[i], start[i - 1]);
        EXPECT_LE(start[i] - start[i - 1], 16384 / 8 + 1);
    }
    EXPECT_EQ(start.back(), 16384);

    voice.device->reset();
    EXPECT_EQ(voice.done, 1);  // handed back before reset returned
    const std::vector<std::int16_t> stop = mix(mixer, 10);
    EXPECT_EQ(stop.front(), 16384);
    for (std::size_t i = 1; i < stop.size(); ++i) {
        EXPECT_LE(stop[i], stop[i - 1]);
        EXPECT_LE(stop[i - 1] - stop[i], 16384 / 8 + 1);
    }
    EXPECT_EQ(stop.back(), 0);
}

TEST(WaveMixer, FadesOutASoundThatEndsAwayFromSilence) {
    WaveMixer mixer(44100, 1, 4);
    Voice voice(mixer, std::vector<std::uint8_t>(10, 192));
    voice.device->write(voice.buffer);
    const std::vector<std::int16_t> out = mix(mixer, 48);
    EXPECT_EQ(voice.done, 1);
    EXPECT_EQ(out[39], 16384);  // the last frame of the sound
    EXPECT_EQ(out[40], 16384);
    EXPECT_EQ(out[41], 12288);
    EXPECT_EQ(out[43], 4096);
    EXPECT_EQ(out[44], 0);
}

TEST(WaveMixer, ASoundWrittenAgainFromItsNoticeCarriesOnWithoutASeam) {
    WaveMixer mixer(44100, 1, 8);
    Voice voice(mixer, std::vector<std::uint8_t>(5, 192), true);
    voice.device->write(voice.buffer);
    const std::vector<std::int16_t> out = mix(mixer, 200);
    EXPECT_EQ(voice.done, 200 / 20);
    for (std::size_t i = 8; i < out.size(); ++i)
        EXPECT_EQ(out[i], 16384) << "frame " << i;
}

TEST(WaveMixer, QueuedBuffersPlayOneAfterAnother) {
    WaveMixer mixer(11025, 1, 0);
    Voice first(mixer, {160, 160});
    WaveBuffer second;
    const std::uint8_t samples[] = {96};
    second.data = samples;
    second.length = 1;
    first.device->prepare(second);
    first.device->write(first.buffer);
    first.device->write(second);
    EXPECT_EQ(mix(mixer, 4), (std::vector<std::int16_t>{8192, 8192, -8192, 0}));
    EXPECT_EQ(first.done, 2);
    EXPECT_TRUE(second.flags & kWaveBufferDone);
}

TEST(WaveMixer, BuffersMustBePreparedAndCannotBeUnpreparedWhileQueued) {
    WaveMixer mixer(44100, 1, 0);
    Voice voice(mixer, std::vector<std::uint8_t>(10, 128));
    WaveBuffer loose;
    EXPECT_EQ(voice.device->write(loose), WaveResult::Unprepared);
    EXPECT_EQ(voice.device->write(voice.buffer), WaveResult::Ok);
    EXPECT_EQ(voice.device->write(voice.buffer), WaveResult::StillPlaying);
    EXPECT_EQ(voice.device->unprepare(voice.buffer), WaveResult::StillPlaying);
    voice.device->reset();
    EXPECT_EQ(voice.device->unprepare(voice.buffer), WaveResult::Ok);
}

TEST(WaveMixer, ClosingDropsQueuedBuffersWithoutDoneNotices) {
    WaveMixer mixer(44100, 1, 0);
    Voice voice(mixer, std::vector<std::uint8_t>(10, 128));
    voice.device->write(voice.buffer);
    voice.device.reset();
    EXPECT_EQ(voice.done, 0);
    EXPECT_EQ(voice.closed, 1);
    EXPECT_FALSE(voice.buffer.flags & kWaveBufferInQueue);
    mix(mixer, 100);
    EXPECT_EQ(voice.done, 0);
}

TEST(WaveMixer, RefusesFormatsOtherThanEightBitMono) {
    WaveMixer mixer(44100, 1, 0);
    WaveFormat stereo;
    stereo.channels = 2;
    WaveResult result;
    EXPECT_EQ(mixer.open(
                  stereo, [](WaveMessage, WaveBuffer*) {}, result),
              nullptr);
    EXPECT_EQ(result, WaveResult::BadFormat);
}

}  // namespace
}  // namespace cindervane::platform
