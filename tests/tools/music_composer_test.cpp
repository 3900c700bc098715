// The stage music: whole bars that fit the playlists' pieces, a tune over the accompaniment,
// and every piece its own.
#include "tools/assetgen/sound/music_composer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "tools/assetgen/sound_file.h"

namespace cindervane::assetgen {
namespace {

double loudness(const std::vector<std::uint8_t>& samples, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += (samples[i] - 128.0) * (samples[i] - 128.0);
    return std::sqrt(sum / (to - from));
}

TEST(MusicComposer, EveryPieceIsWholeBarsOfFifteenToFortySeconds) {
    std::set<std::string_view> files;
    for (const SongDesign& song : kSongs) {
        const MusicComposer composer(song);
        const double bar = kSampleRate * 4 * 60.0 / song.tempo;  // four beats
        const double seconds = composer.length() / double(kSampleRate);
        EXPECT_NEAR(composer.length() / bar, song.bars, 0.05 * song.bars) << song.file;
        EXPECT_GE(seconds, 15.0) << song.file;
        EXPECT_LE(seconds, 40.0) << song.file;
        EXPECT_TRUE(files.insert(song.file).second) << song.file;
    }
    EXPECT_EQ(files.size(), 16u);
}

TEST(MusicComposer, TheTuneComesInAfterTheFirstPhrase) {
    const SongDesign& song = kSongs[0];
    const auto samples = MusicComposer(song).compose();
    ASSERT_EQ(static_cast<int>(samples.size()), MusicComposer(song).length());
    const std::size_t phrase = samples.size() / (song.bars / 2);  // two bars
    // The opening phrase is accompaniment only, so it is quieter than the next.
    EXPECT_LT(loudness(samples, 0, phrase), loudness(samples, phrase, 2 * phrase));
}

TEST(MusicComposer, PiecesDifferFromOneAnother) {
    const auto a = MusicComposer(kSongs[1]).compose();
    const auto b = MusicComposer(kSongs[2]).compose();
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t same = 0;
    for (std::size_t i = 0; i < n; ++i)
        same += a[i] == b[i];
    EXPECT_LT(same, n / 4);
}

}  // namespace
}  // namespace cindervane::assetgen
