// The sound files: a header other tools accept, lengths that suit their use, no clipping,
// loops that join without a click, and a master that a player hears as one: centred on the
// midpoint, one loudness under one ceiling, no silence at the end, and sixteen pieces of
// music that do not sound like copies of each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/tools/asset_reader.h"
#include "tests/tools/sound_measures.h"
#include "tools/assetgen/inventory.h"
#include "tools/assetgen/sound/mastering.h"

namespace cindervane::assetgen {
namespace {

using test::assetFolder;
using test::read16;
using test::read32;
using test::readSound;
using test::Sound;

constexpr double kRhythmLimit = 0.9;
constexpr double kSpectrumLimit = 0.96;

Sound load(std::string_view file) {
    auto sound = readSound(assetFolder() / file);
    if (!sound) ADD_FAILURE() << "cannot read " << file;
    return sound ? *sound : Sound{};
}

TEST(SoundFiles, HeadersAreCanonicalWaveHeaders) {
    for (const AssetRow& row : kInventory) {
        if (!isSound(row.kind)) continue;
        const Sound s = load(row.file);
        const auto& h = s.header;
        ASSERT_EQ(h.size(), 44u);
        EXPECT_EQ(std::string(h.begin(), h.begin() + 4), "RIFF") << row.file;
        EXPECT_EQ(read32(h, 4), s.fileSize - 8) << row.file;
        EXPECT_EQ(std::string(h.begin() + 8, h.begin() + 16), "WAVEfmt ") << row.file;
        EXPECT_EQ(read32(h, 16), 16u) << row.file;
        EXPECT_EQ(read16(h, 20), 1u) << row.file;      // PCM
        EXPECT_EQ(read16(h, 22), 1u) << row.file;      // mono
        EXPECT_EQ(read32(h, 24), 11025u) << row.file;  // samples a second
        EXPECT_EQ(read32(h, 28), 11025u) << row.file;  // bytes a second
        EXPECT_EQ(read16(h, 32), 1u) << row.file;
        EXPECT_EQ(read16(h, 34), 8u) << row.file;
        EXPECT_EQ(std::string(h.begin() + 36, h.begin() + 40), "data") << row.file;
        EXPECT_EQ(read32(h, 40), s.fileSize - 44) << row.file;
    }
}

TEST(SoundFiles, LengthsSuitTheirUse) {
    for (const AssetRow& row : kInventory) {
        if (!isSound(row.kind)) continue;
        const double seconds = load(row.file).seconds();
        if (row.kind == Music) {
            EXPECT_GE(seconds, 15.0) << row.file;
            EXPECT_LE(seconds, 40.0) << row.file;
        } else {
            EXPECT_GT(seconds, 0.1) << row.file;
            EXPECT_LT(seconds, 2.0) << row.file;
        }
    }
}

// A piece that repeats must not click where it starts again: the step from its last sample
// to its first is no bigger than the steps within it.
TEST(SoundFiles, LoopsJoinWithoutAClick) {
    for (const AssetRow& row : kInventory) {
        if (row.kind != LoopedSound && row.kind != Music) continue;
        const Sound s = load(row.file);
        std::vector<int> steps;
        for (std::size_t i = 1; i < s.samples.size(); ++i)
            steps.push_back(std::abs(s.samples[i] - s.samples[i - 1]));
        std::sort(steps.begin(), steps.end());
        const int usual = steps[steps.size() * 999 / 1000];
        const int seam = std::abs(s.samples.front() - s.samples.back());
        EXPECT_LE(seam, std::max(usual, 4)) << row.file;
    }
}

// The ceiling of the master (0.9 of full scale) and its loudness (0.2, about -14 dBFS).
constexpr int kLowestSample = 128 - 116;
constexpr int kHighestSample = 128 + 116;
constexpr double kLoudnessDb = -14.0;

TEST(SoundFiles, EverySoundIsCentredAtOneLoudnessUnderTheCeiling) {
    for (const AssetRow& row : kInventory) {
        if (!isSound(row.kind)) continue;
        const Sound s = load(row.file);
        EXPECT_LT(std::abs(test::offsetOf(s.samples)), 1.0) << row.file;
        const auto [low, high] = std::minmax_element(s.samples.begin(), s.samples.end());
        EXPECT_GE(*low, kLowestSample) << row.file;
        EXPECT_LE(*high, kHighestSample) << row.file;
        // Never clipped, and not squashed flat: even the steady beam hum peaks above half the
        // ceiling.
        EXPECT_GE(std::max(128 - *low, *high - 128), 116 / 2) << row.file;
        const double loudness = test::decibels(gatedLoudness(test::centred(s.samples)));
        EXPECT_NEAR(loudness, kLoudnessDb, 1.0) << row.file;
    }
}

// A sound that plays once ends with its sound: no more than 10 ms at the midpoint.
TEST(SoundFiles, SoundsThatPlayOnceEndWithoutSilence) {
    for (const AssetRow& row : kInventory) {
        if (row.kind != AssetKind::Sound) continue;
        const auto samples = load(row.file).samples;
        std::size_t quiet = 0;
        while (quiet < samples.size() && std::abs(samples[samples.size() - 1 - quiet] - 128) <= 1)
            ++quiet;
        EXPECT_LE(quiet, 110u) << row.file;
    }
}

// No two pieces share a groove at one tempo (their rhythm prints match) or a band and key
// (their spectra match). Pieces that shared tempo and groove gave a rhythm correlation of
// 0.94 and the closest spectra 0.97; distinct pieces stay well under both limits.
TEST(SoundFiles, NoTwoPiecesOfMusicAreNearCopies) {
    struct Print {
        std::string_view file;
        std::vector<double> rhythm, spectrum;
    };
    std::vector<Print> prints;
    for (const AssetRow& row : kInventory) {
        if (row.kind != Music) continue;
        if (std::any_of(prints.begin(), prints.end(),
                        [&](const Print& p) { return p.file == row.file; }))
            continue;
        const auto x = test::centred(load(row.file).samples);
        prints.push_back({row.file, test::rhythmPrint(x), test::spectrumPrint(x)});
    }
    ASSERT_EQ(prints.size(), 16u);
    for (std::size_t a = 0; a < prints.size(); ++a) {
        for (std::size_t b = a + 1; b < prints.size(); ++b) {
            const double rhythm = test::correlation(prints[a].rhythm, prints[b].rhythm);
            const double spectrum = test::correlation(prints[a].spectrum, prints[b].spectrum);
            EXPECT_LT(rhythm, kRhythmLimit) << prints[a].file << " " << prints[b].file;
            EXPECT_LT(spectrum, kSpectrumLimit) << prints[a].file << " " << prints[b].file;
        }
    }
}

}  // namespace
}  // namespace cindervane::assetgen
