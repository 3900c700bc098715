// The stage music: whole bars, and openings as designed.
#include "tools/assetgen/sound/music_composer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tools/assetgen/sound_file.h"

namespace cindervane::assetgen {
namespace {

double loudness(const std::vector<std::uint8_t>& samples, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += (samples[i] - 128.0) * (samples[i] - 128.0);
    return std::sqrt(sum / (to - from));
}

// The files' lengths and that no two pieces are alike are read from the files by the sound
// file tests.
TEST(MusicComposer, EveryPieceIsWholeBars) {
    for (const SongDesign& song : kSongs) {
        const MusicComposer composer(song);
        const double bar = kSampleRate * 4 * 60.0 / song.tempo;  // four beats
        EXPECT_NEAR(composer.length() / bar, song.bars, 0.05 * song.bars) << song.file;
    }
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

}  // namespace
}  // namespace cindervane::assetgen
