// One piece of a stage's music playlist, and the sizes of the game's sound slots.
#pragma once

#include <cstdint>
#include <string_view>

namespace cindervane {

constexpr int kSoundEffectCount = 4;     // explosion, machine gun, laser, special gun
constexpr int kMusicPlayerCount = 3;     // the players the playlist entries take turns on
constexpr int kMusicPlaylistLength = 8;  // the longest playlist

struct MusicEntry {
    std::int32_t playCount = 0;  // passes before the playlist moves on
    std::int32_t player = 0;     // which music player plays it, 0 to 2
    std::int32_t next = 0;       // the entry that follows it
    std::int32_t level = 100;    // always 100
    std::string_view fileName;   // the .BAS file beside the program
};

}  // namespace cindervane
