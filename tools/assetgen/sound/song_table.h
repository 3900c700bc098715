// The sixteen pieces of stage music and the character of each, chosen for the stages whose
// playlists use them: bright and heroic over Earth, wide and echoing in space and round
// Saturnus, hard and driving over Mars and Uranus, dark and grand towards Pluto. No two
// share tempo, groove and band: each has its own opening, drums, middle voice and lead.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace cindervane::assetgen {

enum class Mode { Major, Minor, Dorian, Phrygian, Lydian, HarmonicMinor };

enum class Groove {
    March,     // four on the floor with a backbeat
    Drive,     // busy kick, eighth-note hats
    Halftime,  // slow, heavy backbeat on three
    Broken,    // syncopated kicks
    Shuffle,   // swung sixteenths, the kick skipping
    Gallop,    // a galloping kick, one-and-a-two
    Tribal,    // toms and kicks, no cymbals
    Pulse,     // a bare kick on every beat under a ticking bass
};

// How the piece begins (and, as it loops, how every pass begins).
enum class Opening {
    Full,        // the whole band, the tune on the first note
    DrumsFirst,  // one bar of drums alone, the tune one bar late
    TuneAlone,   // the tune over the bass for two bars before the drums come in
    Swell,       // held chords and the tune, the drums from the third bar
};

// The middle voice between bass and tune.
enum class Middle {
    Arpeggio,      // sixteenths up through the chord, thin square
    ArpeggioDown,  // eighths down through the chord, triangle
    Pad,           // soft held chords
    Stabs,         // short chords on the off-beats
};

struct SongDesign {
    std::string_view file;
    int tempo;  // beats a minute
    int root;   // note number of the key's root
    Mode mode;
    std::array<int, 8> chords;  // scale degree (0..6) of each bar's chord, repeating
    int bars;                   // length of the piece; it loops back to the start
    Groove groove;
    Opening opening;
    Middle middle;
    int fillEvery;    // bars between drum fills; 0: none
    double leadDuty;  // the lead square's duty: 0.5 round, 0.125 thin; 0: a triangle lead
    bool echo;        // a soft echo of the tune three steps behind
    bool squareBass;  // a buzzing square bass instead of the round triangle
    std::uint64_t seed;
};

// clang-format off
inline constexpr std::array kSongs = {
    // Earth: heroic, bright.
    SongDesign{"W0004.BAS", 144, 60, Mode::Major,  {0, 4, 5, 3, 0, 4, 3, 4}, 16, Groove::March,    Opening::Full,       Middle::Arpeggio,     4, 0.25,  true,  false, 4},
    SongDesign{"W0005.BAS", 152, 67, Mode::Major,  {0, 5, 3, 4, 0, 5, 1, 4}, 16, Groove::Gallop,   Opening::DrumsFirst, Middle::Stabs,        8, 0.5,   false, true,  5},
    SongDesign{"W0006.BAS", 118, 57, Mode::Minor,  {0, 5, 2, 6, 0, 3, 4, 4}, 12, Groove::Shuffle,  Opening::TuneAlone,  Middle::ArpeggioDown, 4, 0.0,   true,  false, 6},
    // Saturnus and space: wide, echoing.
    SongDesign{"W0007.BAS", 96,  62, Mode::Dorian, {0, 3, 0, 3, 6, 5, 3, 4}, 10, Groove::Halftime, Opening::Swell,      Middle::Pad,          0, 0.125, true,  false, 7},
    SongDesign{"W0008.BAS", 128, 64, Mode::Minor,  {0, 5, 6, 4, 0, 5, 3, 4}, 16, Groove::Broken,   Opening::Full,       Middle::Arpeggio,     8, 0.25,  true,  false, 8},
    SongDesign{"W0009.BAS", 108, 59, Mode::Minor,  {0, 3, 4, 0, 5, 3, 6, 4}, 12, Groove::Pulse,    Opening::Swell,      Middle::Pad,          0, 0.0,   true,  true,  9},
    SongDesign{"W0010.BAS", 136, 66, Mode::Minor,  {0, 6, 5, 6, 0, 6, 5, 4}, 14, Groove::Tribal,   Opening::DrumsFirst, Middle::ArpeggioDown, 0, 0.25,  false, false, 10},
    // Uranus and Mars: hard, driving.
    SongDesign{"W0011.BAS", 112, 61, Mode::Minor,  {0, 5, 3, 4, 0, 5, 6, 4}, 12, Groove::Halftime, Opening::TuneAlone,  Middle::Stabs,        4, 0.125, false, true,  11},
    SongDesign{"W0012.BAS", 150, 62, Mode::Phrygian, {0, 1, 0, 6, 0, 1, 5, 6}, 18, Groove::Drive,  Opening::Full,       Middle::Stabs,        4, 0.25,  false, true,  12},
    SongDesign{"W0013.BAS", 164, 55, Mode::HarmonicMinor, {0, 3, 4, 0, 5, 3, 4, 4}, 20, Groove::Gallop, Opening::DrumsFirst, Middle::Arpeggio, 8, 0.5, false, false, 13},
    // Pluto, Neptunus and Jupiter: dark and grand.
    SongDesign{"W0014.BAS", 84,  57, Mode::Minor,  {0, 5, 3, 4, 0, 5, 6, 4}, 8,  Groove::Halftime, Opening::Swell,      Middle::ArpeggioDown, 4, 0.0,   true,  true,  14},
    SongDesign{"W0015.BAS", 140, 64, Mode::Phrygian, {0, 1, 6, 0, 0, 1, 5, 6}, 16, Groove::Tribal, Opening::TuneAlone,  Middle::Arpeggio,     8, 0.25,  true,  false, 15},
    SongDesign{"W0016.BAS", 124, 60, Mode::HarmonicMinor, {0, 5, 3, 4, 0, 5, 1, 4}, 14, Groove::March, Opening::Swell, Middle::Pad,         8, 0.25,  false, true,  16},
    SongDesign{"W0017.BAS", 132, 58, Mode::Dorian, {0, 6, 3, 4, 0, 6, 5, 4}, 16, Groove::Shuffle,  Opening::Full,       Middle::Stabs,        4, 0.5,   false, false, 17},
    SongDesign{"W0018.BAS", 172, 65, Mode::Minor,  {0, 5, 6, 4, 0, 3, 6, 4}, 24, Groove::Drive,    Opening::DrumsFirst, Middle::ArpeggioDown, 8, 0.125, false, true,  18},
    SongDesign{"W0019.BAS", 100, 63, Mode::Lydian, {0, 1, 0, 1, 5, 3, 1, 4}, 12, Groove::Pulse,    Opening::TuneAlone,  Middle::Arpeggio,     0, 0.25,  true,  false, 19},
};
// clang-format on

}  // namespace cindervane::assetgen
