// Composing the stage music.
#include "tools/assetgen/sound/music_composer.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

#include "tools/assetgen/random.h"
#include "tools/assetgen/sound/mastering.h"
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

// One bar of drums, a character a step: x a hit, o an open hat, t a high tom, l a low tom.
struct DrumPattern {
    std::string_view kick, snare, hat;
    double hatVolume;  // 0: no hats
    bool swing;        // every second sixteenth comes late
};

DrumPattern drums(Groove groove) {
    switch (groove) {
        case Groove::March:
            return {"x...x...x...x...", "....x.......x...", "x.x.x.x.x.x.x.x.", 0.06, false};
        case Groove::Drive:
            return {"x.x...x.x.x...x.", "....x.......x...", "xxxxxxxxxxxxxxxx", 0.04, false};
        case Groove::Halftime:
            return {"x.........x.....", "........x.......", "x...x...x...x..o", 0.05, false};
        case Groove::Broken:
            return {"x..x..x...x..x..", "....x..x....x...", "x.xxx.x.x.xxx.xo", 0.05, false};
        case Groove::Shuffle:
            return {"x.....x.x.......", "....x.......x..x", "x.xxx.xxx.xxx.xx", 0.045, true};
        case Groove::Gallop:
            return {"x.xxx.xxx.xxx.xx", "....x.......x...", "o...o...o...o...", 0.05, false};
        case Groove::Tribal:
            return {"x.....x...x.....", "t..t..l...t.l.l.", "................", 0.0, false};
        case Groove::Pulse:
            return {"x...x...x...x...", "................", "..x...x...x...x.", 0.03, false};
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
        case Groove::Shuffle:
            return "R..O..5.R..O5..R";
        case Groove::Gallop:
            return "R.RR.RR.5.55.5O.";
        case Groove::Tribal:
            return "R.......R..5....";
        case Groove::Pulse:
            return "RORORORO5O5OROR5";
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
    auto at = [&](int bar, int s) { return (bar * kStepsPerBar + s) * step; };

    // Where each part comes in: the opening holds some back for the first bars.
    const bool tuneAlone = song_.opening == Opening::TuneAlone;
    const bool swell = song_.opening == Opening::Swell;
    const int drumsFrom = tuneAlone || swell ? 2 : 0;
    const int bassFrom = song_.opening == Opening::DrumsFirst ? 1 : swell ? 2 : 0;
    const int middleFrom = song_.opening == Opening::DrumsFirst ? 1 : tuneAlone ? 2 : 0;
    const int tuneFrom = song_.opening == Opening::DrumsFirst ? 1 : 0;

    // Drums, with a fill closing every fillEvery bars (toms on the tribal groove).
    const DrumPattern pattern = drums(song_.groove);
    auto tom = [&](double t, bool high, double volume) {
        const double f = high ? 220 : 130;
        synth.play({t, 0.06, f, f * 0.55, volume, Wave::Triangle, 0.5, 0, {0.001, 0.1, 0.3, 0.08}});
    };
    for (int bar = drumsFrom; bar < song_.bars; ++bar) {
        const bool fill = song_.fillEvery > 0 && bar % song_.fillEvery == song_.fillEvery - 1;
        for (int s = 0; s < kStepsPerBar; ++s) {
            const double t = at(bar, s) + (pattern.swing && s % 2 == 1 ? step / 3 : 0.0);
            if (pattern.kick[s] == 'x') synth.kick(t, 0.55);
            if (fill && s >= 12) {
                if (song_.groove == Groove::Tribal)
                    tom(t, s % 2 == 0, 0.4);
                else
                    synth.snare(t, 0.22 + 0.04 * (s - 12));
            } else if (pattern.snare[s] == 'x') {
                synth.snare(t, 0.35);
            } else if (pattern.snare[s] == 't' || pattern.snare[s] == 'l') {
                tom(t, pattern.snare[s] == 't', 0.38);
            }
            if (pattern.hatVolume > 0 && pattern.hat[s] != '.')
                synth.hat(t, pattern.hatVolume * (s % 4 == 0 ? 1.4 : 1.0), pattern.hat[s] == 'o');
        }
    }

    // The bass line, two octaves down: a round triangle or a buzzing narrow square.
    const std::string_view figure = bassFigure(song_.groove);
    const Envelope pluck{0.003, 0.08, 0.6, 0.03};
    for (int bar = bassFrom; bar < song_.bars; ++bar) {
        const int degree = chordOf(bar);
        for (int s = 0; s < kStepsPerBar; ++s) {
            const char c = figure[s];
            if (c == '.') continue;
            int length = 1;
            while (s + length < kStepsPerBar && figure[s + length] == '.' && length < 4)
                ++length;
            const int note = c == '5' ? pitch(degree + 4, -2) : pitch(degree, c == 'O' ? -1 : -2);
            const double t = at(bar, s) + (pattern.swing && s % 2 == 1 ? step / 3 : 0.0);
            if (song_.squareBass)
                synth.play({t, step * length * 0.7, noteFrequency(note), 0, 0.16, Wave::Square,
                            0.25, 0, pluck});
            else
                synth.play({t, step * length * 0.85, noteFrequency(note), 0, 0.42, Wave::Triangle,
                            0.5, 0, pluck});
        }
    }

    // The middle voice through each bar's chord (a swelling opening always holds chords).
    const Middle middle = swell ? Middle::Pad : song_.middle;
    for (int bar = swell ? 0 : middleFrom; bar < song_.bars; ++bar) {
        const int degree = chordOf(bar);
        const Middle voice = swell && bar >= 2 ? song_.middle : middle;
        switch (voice) {
            case Middle::Arpeggio: {
                const int tones[4] = {degree, degree + 2, degree + 4, degree + 7};
                const Envelope tick{0.002, 0.05, 0.3, 0.03};
                for (int s = 0; s < kStepsPerBar; ++s)
                    synth.play({at(bar, s), step * 0.6, noteFrequency(pitch(tones[s % 4], 0)), 0,
                                0.075, Wave::Square, 0.125, 0, tick});
                break;
            }
            case Middle::ArpeggioDown: {
                const int tones[4] = {degree + 7, degree + 4, degree + 2, degree};
                const Envelope soft{0.004, 0.1, 0.5, 0.06};
                for (int s = 0; s < kStepsPerBar; s += 2)
                    synth.play({at(bar, s), step * 1.4, noteFrequency(pitch(tones[(s / 2) % 4], 0)),
                                0, 0.13, Wave::Triangle, 0.5, 0, soft});
                break;
            }
            case Middle::Pad: {
                const Envelope held{0.25, 0.3, 0.8, 0.3};
                for (int tone : {degree, degree + 2, degree + 4})
                    synth.play({at(bar, 0), kStepsPerBar * step * 0.8,
                                noteFrequency(pitch(tone, 0)), 0, 0.07, Wave::Triangle, 0.5, 0,
                                held});
                break;
            }
            case Middle::Stabs: {
                const Envelope stab{0.002, 0.04, 0.2, 0.03};
                for (int s : {2, 6, 10, 14})
                    for (int tone : {degree, degree + 2, degree + 4})
                        synth.play({at(bar, s), step * 0.5, noteFrequency(pitch(tone, 0)), 0, 0.045,
                                    Wave::Square, 0.5, 0, stab});
                break;
            }
        }
    }

    // The tune: two-bar phrases in the order A B A C, each letter keeping its rhythm and
    // contour wherever it returns, fitted to the chords below. A tune that starts a bar late
    // runs on over the loop's end, so the piece joins in the middle of a phrase.
    const int phrases = song_.bars / 2;
    const Envelope sing{0.01, 0.12, 0.65, 0.06};
    const bool triangleLead = song_.leadDuty <= 0;
    const char plan[] = {'A', 'B', 'A', 'C', 'A', 'B', 'C', 'A', 'B', 'C', 'A', 'D'};
    for (int p = 0; p < phrases; ++p) {
        const char letter = plan[p % std::size(plan)];
        Random random(song_.seed * 131 + static_cast<std::uint64_t>(letter));
        const Rhythm& rhythm = kRhythms[random.next() % kRhythms.size()];
        const int first = tuneFrom + p * 2;
        int degree = chordOf(first) + (random.chance(0.5) ? 2 : 4);
        for (int n = 0; n < rhythm.count; ++n) {
            const auto [start, length] = rhythm.notes[n];
            const int bar = first + start / kStepsPerBar;
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
            const double t = (first * kStepsPerBar + start) * step;
            const double held = step * length * 0.9;
            const double frequency = noteFrequency(pitch(degree, 1));
            if (triangleLead)
                synth.play({t, held, frequency, 0, 0.34, Wave::Triangle, 0.5,
                            length >= 4 ? 0.22 : 0.0, sing});
            else
                synth.play({t, held, frequency, 0, 0.2, Wave::Square, song_.leadDuty,
                            length >= 4 ? 0.18 : 0.0, sing});
            if (song_.echo)
                synth.play({t + 3 * step, held, frequency, 0, 0.07, Wave::Square,
                            triangleLead ? 0.5 : song_.leadDuty, 0, sing});
        }
    }
    return master(synth.samples(), kLooped);
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
