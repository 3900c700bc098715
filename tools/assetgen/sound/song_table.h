// The sixteen pieces of stage music and the character of each, chosen for the stages whose
// playlists use them: bright and heroic over Earth, wide and echoing in space and round
// Saturnus, hard and driving over Mars and Uranus, dark and grand towards Pluto.
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
};

struct SongDesign {
    std::string_view file;
    int tempo;  // beats a minute
    int root;   // note number of the key's root
    Mode mode;
    std::array<int, 8> chords;  // scale degree (0..6) of each bar's chord, repeating
    int bars;                   // length of the piece; it loops back to the start
    Groove groove;
    double leadDuty;  // the lead square's duty: 0.5 round, 0.125 thin
    bool arpeggio;    // a running arpeggio under the tune
    std::uint64_t seed;
};

// clang-format off
inline constexpr std::array kSongs = {
    // Earth: heroic, bright.
    SongDesign{"W0004.BAS", 144, 60, Mode::Major,  {0, 4, 5, 3, 0, 4, 3, 4}, 16, Groove::March,    0.25,  true,  4},
    SongDesign{"W0005.BAS", 152, 67, Mode::Major,  {0, 5, 3, 4, 0, 5, 1, 4}, 16, Groove::Drive,    0.5,   false, 5},
    SongDesign{"W0006.BAS", 138, 57, Mode::Minor,  {0, 5, 2, 6, 0, 3, 4, 4}, 16, Groove::March,    0.25,  true,  6},
    // Saturnus and space: wide, echoing.
    SongDesign{"W0007.BAS", 120, 62, Mode::Dorian, {0, 3, 0, 3, 6, 5, 3, 4}, 12, Groove::Halftime, 0.125, true,  7},
    SongDesign{"W0008.BAS", 128, 64, Mode::Minor,  {0, 5, 6, 4, 0, 5, 3, 4}, 16, Groove::Broken,   0.25,  true,  8},
    SongDesign{"W0009.BAS", 132, 59, Mode::Minor,  {0, 3, 4, 0, 5, 3, 6, 4}, 16, Groove::Drive,    0.5,   true,  9},
    SongDesign{"W0010.BAS", 136, 66, Mode::Minor,  {0, 6, 5, 6, 0, 6, 5, 4}, 16, Groove::Broken,   0.25,  false, 10},
    // Uranus and Mars: hard, driving.
    SongDesign{"W0011.BAS", 112, 61, Mode::Minor,  {0, 5, 3, 4, 0, 5, 6, 4}, 12, Groove::Halftime, 0.125, true,  11},
    SongDesign{"W0012.BAS", 150, 62, Mode::Phrygian, {0, 1, 0, 6, 0, 1, 5, 6}, 16, Groove::Drive,  0.25,  false, 12},
    SongDesign{"W0013.BAS", 156, 55, Mode::HarmonicMinor, {0, 3, 4, 0, 5, 3, 4, 4}, 20, Groove::Drive, 0.5, true, 13},
    // Pluto, Neptunus and Jupiter: dark and grand.
    SongDesign{"W0014.BAS", 100, 57, Mode::Minor,  {0, 5, 3, 4, 0, 5, 6, 4}, 8,  Groove::Halftime, 0.125, true,  14},
    SongDesign{"W0015.BAS", 144, 64, Mode::Phrygian, {0, 1, 6, 0, 0, 1, 5, 6}, 16, Groove::Broken, 0.25,  true,  15},
    SongDesign{"W0016.BAS", 132, 60, Mode::HarmonicMinor, {0, 5, 3, 4, 0, 5, 1, 4}, 16, Groove::March, 0.25, true, 16},
    SongDesign{"W0017.BAS", 138, 58, Mode::Dorian, {0, 6, 3, 4, 0, 6, 5, 4}, 16, Groove::Drive,    0.5,   true,  17},
    SongDesign{"W0018.BAS", 160, 65, Mode::Minor,  {0, 5, 6, 4, 0, 3, 6, 4}, 20, Groove::Drive,    0.25,  false, 18},
    SongDesign{"W0019.BAS", 126, 63, Mode::Lydian, {0, 1, 0, 1, 5, 3, 1, 4}, 16, Groove::Broken,   0.125, true,  19},
};
// clang-format on

}  // namespace cindervane::assetgen
