// Composing the stage music.
#include "tools/assetgen/sound/music_composer.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "tools/assetgen/random.h"
#include "tools/assetgen/sound/sounds.h"
#include "tools/assetgen/sound/synth.h"
#include "tools/assetgen/sound_file.h"

namespace cindervane::assetgen {

namespace {

constexpr int kStepsPerBar = 16;

std::array<int, 7> intervals(Mode mode) {
    switch (mode) {
        case Mode::Major:
            return {0, 2, 4, 5, 7, 9, 11};
        case Mode::Minor:
            return {0, 2, 3, 5, 7, 8, 10};
        case Mode::Dorian:
            return {0, 2, 3, 5, 7, 9, 10};
        case Mode::Phrygian:
            return {0, 1, 3, 5, 7, 8, 10};
        case Mode::Lydian:
            return {0, 2, 4, 6, 7, 9, 11};
        case Mode::HarmonicMinor:
            return {0, 2, 3, 5, 7, 8, 11};
    }
    return {0, 2, 4, 5, 7, 9, 11};
}

struct DrumPattern {
    std::string_view kick, snare, hat;
};

DrumPattern drums(Groove groove) {
    switch (groove) {
        case Groove::March:
            return {"x...x...x...x...", "....x.......x...", "x.x.x.x.x.x.x.x."};
        case Groove::Drive:
            return {"x.x...x.x.x...x.", "....x.......x...", "xxxxxxxxxxxxxxxx"};
        case Groove::Halftime:
            return {"x.........x.....", "........x.......", "x.x.x.x.x.x.x.xo"};
        case Groove::Broken:
            return {"x..x..x...x..x..", "....x..x....x...", "x.xxx.x.x.xxx.xo"};
    }
    return {};
}

// Bass figures: R the chord's root, 5 its fifth, O the root an octave up, . nothing.
std::string_view bassFigure(Groove groove) {
    switch (groove) {
        case Groove::March:
            return "R.R.R.R.R.R.5.O.";
        case Groove::Drive:
            return "RRORRR5RRROR5RO.";
        case Groove::Halftime:
            return "R.....R.5...O...";
        case Groove::Broken:
            return "R..R..5.R.O..5.R";
    }
    return "R...............";
}

// Rhythms for a two-bar phrase of the tune: the start step and length of every note.
struct Rhythm {
    int count;
    std::array<std::pair<int, int>, 12> notes;
};

constexpr std::array kRhythms = {
    Rhythm{7, {{{0, 4}, {4, 2}, {6, 2}, {8, 6}, {16, 4}, {20, 4}, {24, 8}}}},
    Rhythm{8, {{{0, 2}, {2, 2}, {4, 4}, {8, 4}, {12, 4}, {16, 6}, {22, 2}, {24, 8}}}},
    Rhythm{9, {{{0, 3}, {3, 3}, {6, 2}, {8, 4}, {12, 4}, {16, 3}, {19, 3}, {22, 2}, {24, 8}}}},
    Rhythm{6, {{{0, 6}, {6, 2}, {8, 8}, {16, 6}, {22, 2}, {24, 8}}}},
    Rhythm{10,
           {{{0, 2}, {2, 2}, {4, 2}, {6, 2}, {8, 4}, {12, 4}, {16, 2}, {18, 2}, {20, 4}, {24, 8}}}},
};

}  // namespace

int MusicComposer::length() const {
    const int step = static_cast<int>(std::lround(kSampleRate * 60.0 / song_.tempo / 4));
    return step * kStepsPerBar * song_.bars;
}

std::vector<std::uint8_t> MusicComposer::compose() const {
    const int stepSamples = static_cast<int>(std::lround(kSampleRate * 60.0 / song_.tempo / 4));
    const double step = stepSamples / double(kSampleRate);
    Synth synth(length(), true);
    const auto scale = intervals(song_.mode);
    auto pitch = [&](int degree, int octave) {
        const int d = ((degree % 7) + 7) % 7;
        const int shift = (degree - d) / 7;
        return song_.root + scale[d] + 12 * (shift + octave);
    };
    auto chordOf = [&](int bar) { return song_.chords[bar % song_.chords.size()]; };

    // Drums, with a fill closing every fourth bar.
    const DrumPattern pattern = drums(song_.groove);
    for (int bar = 0; bar < song_.bars; ++bar) {
        const bool fill = bar % 4 == 3;
        for (int s = 0; s < kStepsPerBar; ++s) {
            const double t = (bar * kStepsPerBar + s) * step;
            if (pattern.kick[s] == 'x') synth.kick(t, 0.55);
            if (fill && s >= 12)
                synth.snare(t, 0.22 + 0.04 * (s - 12));
            else if (pattern.snare[s] == 'x')
                synth.snare(t, 0.35);
            if (pattern.hat[s] != '.') synth.hat(t, s % 4 == 0 ? 0.1 : 0.07, pattern.hat[s] == 'o');
        }
    }

    // The bass line, on the triangle voice two octaves down.
    const std::string_view figure = bassFigure(song_.groove);
    const Envelope pluck{0.003, 0.08, 0.6, 0.03};
    for (int bar = 0; bar < song_.bars; ++bar) {
        const int degree = chordOf(bar);
        for (int s = 0; s < kStepsPerBar; ++s) {
            const char c = figure[s];
            if (c == '.') continue;
            int length = 1;
            while (s + length < kStepsPerBar && figure[s + length] == '.' && length < 4)
                ++length;
            const int note = c == '5' ? pitch(degree + 4, -2) : pitch(degree, c == 'O' ? -1 : -2);
            synth.play({(bar * kStepsPerBar + s) * step, step * length * 0.85, noteFrequency(note),
                        0, 0.42, Wave::Triangle, 0.5, 0, pluck});
        }
    }

    // A running arpeggio through each bar's chord.
    if (song_.arpeggio) {
        const Envelope tick{0.002, 0.05, 0.3, 0.03};
        for (int bar = 0; bar < song_.bars; ++bar) {
            const int degree = chordOf(bar);
            const int tones[4] = {degree, degree + 2, degree + 4, degree + 7};
            for (int s = 0; s < kStepsPerBar; ++s) {
                const int note = pitch(tones[s % 4], 0);
                synth.play({(bar * kStepsPerBar + s) * step, step * 0.6, noteFrequency(note), 0,
                            0.075, Wave::Square, 0.125, 0, tick});
            }
        }
    }

    // Without an arpeggio, a soft held chord fills the middle instead.
    if (!song_.arpeggio) {
        const Envelope swell{0.25, 0.3, 0.8, 0.3};
        for (int bar = 0; bar < song_.bars; ++bar) {
            const int degree = chordOf(bar);
            for (int tone : {degree, degree + 2, degree + 4})
                synth.play({bar * kStepsPerBar * step, kStepsPerBar * step * 0.8,
                            noteFrequency(pitch(tone, 0)), 0, 0.06, Wave::Triangle, 0.5, 0, swell});
        }
    }

    // The tune: two-bar phrases in the order A B A C, after a first phrase of rest. Each
    // letter keeps its rhythm and contour wherever it returns, fitted to the chords below.
    const int phrases = song_.bars / 2;
    const Envelope sing{0.01, 0.12, 0.65, 0.06};
    const char plan[] = {'-', 'A', 'B', 'A', 'C', 'A', 'B', 'C', 'A', 'B'};
    for (int p = 0; p < phrases; ++p) {
        const char letter = plan[p % 10];
        if (letter == '-') continue;
        Random random(song_.seed * 131 + static_cast<std::uint64_t>(letter));
        const Rhythm& rhythm = kRhythms[random.next() % kRhythms.size()];
        int degree = chordOf(p * 2) + (random.chance(0.5) ? 2 : 4);
        for (int n = 0; n < rhythm.count; ++n) {
            const auto [start, length] = rhythm.notes[n];
            const int bar = p * 2 + start / kStepsPerBar;
            const int chord = chordOf(bar);
            if (start % 4 == 0) {
                // On the beat: the chord tone nearest the tune's line.
                int best = chord;
                for (int tone : {chord, chord + 2, chord + 4, chord + 7, chord - 3, chord - 5})
                    if (std::abs(tone - degree) < std::abs(best - degree)) best = tone;
                degree = best + (random.chance(0.25) ? 2 : 0);
            } else {
                degree += random.chance(0.5) ? 1 : -1;
                if (random.chance(0.2)) degree += random.chance(0.5) ? 1 : -1;
            }
            // Each phrase comes to rest on the root of its last chord.
            if (n == rhythm.count - 1)
                degree =
                    std::abs(chord + 7 - degree) < std::abs(chord - degree) ? chord + 7 : chord;
            degree = std::clamp(degree, -3, 9);
            const double t = (p * 2 * kStepsPerBar + start) * step;
            const double held = step * length * 0.9;
            const double frequency = noteFrequency(pitch(degree, 1));
            synth.play({t, held, frequency, 0, 0.2, Wave::Square, song_.leadDuty,
                        length >= 4 ? 0.18 : 0.0, sing});
            // An echo three steps behind, softer.
            synth.play(
                {t + 3 * step, held, frequency, 0, 0.07, Wave::Square, song_.leadDuty, 0, sing});
        }
    }
    return synth.toBytes(0.85, 2.0);
}

namespace {

template <int kIndex>
std::vector<std::uint8_t> composeSong() {
    return MusicComposer(kSongs[kIndex]).compose();
}

template <std::size_t... kIndices>
constexpr std::array<ComposerRow, sizeof...(kIndices)> musicRows(std::index_sequence<kIndices...>) {
    return {ComposerRow{kSongs[kIndices].file, composeSong<static_cast<int>(kIndices)>}...};
}

constexpr auto kMusicComposers = musicRows(std::make_index_sequence<kSongs.size()>{});

}  // namespace

std::span<const ComposerRow> musicComposers() {
    return kMusicComposers;
}

}  // namespace cindervane::assetgen
