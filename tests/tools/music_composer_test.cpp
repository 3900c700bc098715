// The stage music: whole bars that fit the playlists' pieces, openings as designed, and
// every piece its own.
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

// A piece that opens with the whole band is as loud in its first two bars as after them;
// one that opens with the tune alone or with held chords comes in quieter.
TEST(MusicComposer, PiecesOpenAsTheirOpeningSays) {
    int quiet = 0, full = 0;
    for (const SongDesign& song : kSongs) {
        const auto samples = MusicComposer(song).compose();
        const std::size_t bar = samples.size() / song.bars;
        const double opening = loudness(samples, 0, 2 * bar);
        const double rest = loudness(samples, 2 * bar, samples.size());
        if (song.opening == Opening::Full) {
            EXPECT_GT(opening, 0.8 * rest) << song.file;
            ++full;
        } else if (song.opening == Opening::TuneAlone || song.opening == Opening::Swell) {
            EXPECT_LT(opening, 0.95 * rest) << song.file;
            ++quiet;
        }
    }
    EXPECT_GE(full, 3);
    EXPECT_GE(quiet, 6);
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
