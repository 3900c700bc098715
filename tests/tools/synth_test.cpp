// The synthesiser: notes at their pitch and length, and loops that carry their tails round
// to the start. (The sound file's header is read back from every file by the sound file
// tests.)
#include "tools/assetgen/sound/synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tools/assetgen/sound_file.h"  // kSampleRate

namespace cindervane::assetgen {
namespace {

const Envelope kHeld{0.001, 0.001, 1.0, 0.001};

int zeroCrossings(const std::vector<double>& samples, std::size_t from, std::size_t to) {
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    return crossings;
}

TEST(Synth, VoicesSoundAtTheirPitch) {
    for (Wave wave : {Wave::Square, Wave::Triangle}) {
        Synth synth(kSampleRate, false);
        synth.play({0, 1.0, 440, 0, 0.5, wave, 0.5, 0, kHeld});
        // 440 cycles a second cross zero 880 times.
        EXPECT_NEAR(zeroCrossings(synth.samples(), 0, kSampleRate), 880, 4);
    }
    EXPECT_NEAR(noteFrequency(69), 440.0, 1e-9);
    EXPECT_NEAR(noteFrequency(81), 880.0, 1e-9);
}

TEST(Synth, NotesEndAfterTheirRelease) {
    Synth synth(kSampleRate, false);
    synth.play({0.1, 0.2, 300, 0, 0.5, Wave::Square, 0.5, 0, {0.01, 0.05, 0.5, 0.1}});
    const auto& s = synth.samples();
    for (std::size_t i = 0; i < 1100; ++i)
        ASSERT_EQ(s[i], 0.0) << i;  // before the start
    EXPECT_GT(std::abs(*std::max_element(s.begin() + 1200, s.begin() + 3000)), 0.1);
    for (std::size_t i = 4500; i < s.size(); ++i)
        ASSERT_EQ(s[i], 0.0) << i;  // after release
}

TEST(Synth, LoopsCarryTheTailRoundToTheStart) {
    Synth looped(1000, true), plain(1000, false);
    const Note late{900 / double(kSampleRate), 0.02, 500, 0, 0.5, Wave::Triangle, 0.5, 0, kHeld};
    looped.play(late);
    plain.play(late);
    EXPECT_NE(looped.samples()[50], 0.0);
    EXPECT_EQ(plain.samples()[50], 0.0);
}

}  // namespace
}  // namespace cindervane::assetgen
