// The sound files: a header other tools accept, lengths that suit their use, no clipping,
// and loops that join without a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/tools/asset_reader.h"
#include "tools/assetgen/inventory.h"

namespace cindervane::assetgen {
namespace {

using test::assetFolder;
using test::read16;
using test::read32;
using test::readSound;
using test::Sound;

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

TEST(SoundFiles, EverySoundIsAudibleAndNeverClips) {
    for (const AssetRow& row : kInventory) {
        if (!isSound(row.kind)) continue;
        const Sound s = load(row.file);
        const auto [low, high] = std::minmax_element(s.samples.begin(), s.samples.end());
        EXPECT_GT(*low, 0) << row.file;
        EXPECT_LT(*high, 255) << row.file;
        EXPECT_GT(*high - *low, 100) << row.file << " is too quiet";
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

}  // namespace
}  // namespace cindervane::assetgen
