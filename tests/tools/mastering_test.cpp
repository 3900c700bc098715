// Mastering: loops that keep their length and still join, sounds that play once cut and
// faded where their sound ends, and silence left silent. (The offset taken out and one
// loudness under one ceiling are read from every generated sound by the sound file tests.)
#include "tools/assetgen/sound/mastering.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tools/assetgen/sound/synth.h"
#include "tools/assetgen/sound_file.h"

namespace cindervane::assetgen {
namespace {

// A narrow square sits mostly below its midpoint: the drift mastering must remove.
std::vector<double> narrowSquare(double volume, int samples, bool loop) {
    Synth synth(samples, loop);
    synth.play({0,
                samples / double(kSampleRate),
                441,
                0,
                volume,
                Wave::Square,
                0.125,
                0,
                {0.0001, 0.0001, 1.0, 0.0001}});
    return synth.samples();
}

TEST(Mastering, LoopsKeepTheirLengthAndJoinWithoutAStep) {
    const auto bytes = master(narrowSquare(0.5, 5000, true), kLooped);
    ASSERT_EQ(bytes.size(), 5000u);
    int largest = 0;
    for (std::size_t i = 1; i < bytes.size(); ++i)
        largest = std::max(largest, std::abs(bytes[i] - bytes[i - 1]));
    EXPECT_LE(std::abs(bytes.front() - bytes.back()), largest);
}

TEST(Mastering, SoundsPlayedOnceEndWhereTheirSoundEnds) {
    Synth synth(kSampleRate, false);  // a second, of which a tenth sounds
    synth.play({0, 0.05, 300, 0, 0.5, Wave::Triangle, 0.5, 0, {0.001, 0.01, 1.0, 0.05}});
    const auto bytes = master(synth.samples(), kPlayedOnce);
    EXPECT_LT(bytes.size(), kSampleRate / 8u);
    EXPECT_GT(bytes.size(), kSampleRate / 20u);
    EXPECT_LE(std::abs(bytes.back() - 128), 1);  // faded, no click
}

TEST(Mastering, SilenceStaysSilent) {
    const auto bytes = master(std::vector<double>(1000, 0.0), kLooped);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 128; }));
    EXPECT_TRUE(master(std::vector<double>(1000, 0.0), kPlayedOnce).empty());
}

}  // namespace
}  // namespace cindervane::assetgen
