// The music of each stage: a looping playlist of pieces, each played a number of times on
// one of the three music players before the next one takes over.
#pragma once

#include <array>

#include "core/music_entry.h"

namespace cindervane {

struct StagePlaylist {
    int count;
    std::array<MusicEntry, kMusicPlaylistLength> entries;
};

// Entries read: play count, player, next entry, level, file.
constexpr StagePlaylist kStagePlaylists[] = {
    {3, {{{2, 0, 1, 100, "W0004.BAS"}, {3, 1, 2, 100, "W0005.BAS"}, {2, 2, 0, 100, "W0006.BAS"}}}},
    {5,
     {{{1, 0, 1, 100, "W0008.BAS"},
       {1, 1, 2, 100, "W0009.BAS"},
       {1, 0, 3, 100, "W0009.BAS"},
       {1, 1, 4, 100, "W0010.BAS"},
       {1, 2, 0, 100, "W0009.BAS"}}}},
    {2, {{{1, 0, 1, 100, "W0012.BAS"}, {2, 1, 0, 100, "W0013.BAS"}}}},
    {6,
     {{{1, 0, 1, 100, "W0010.BAS"},
       {1, 1, 2, 100, "W0017.BAS"},
       {1, 0, 3, 100, "W0018.BAS"},
       {1, 1, 4, 100, "W0019.BAS"},
       {1, 0, 5, 100, "W0017.BAS"},
       {1, 2, 1, 100, "W0016.BAS"}}}},
    {6,
     {{{1, 0, 1, 100, "W0007.BAS"},
       {1, 1, 2, 100, "W0008.BAS"},
       {1, 0, 3, 100, "W0009.BAS"},
       {1, 1, 4, 100, "W0008.BAS"},
       {2, 0, 5, 100, "W0009.BAS"},
       {1, 1, 0, 100, "W0008.BAS"}}}},
    {4,
     {{{1, 0, 1, 100, "W0011.BAS"},
       {1, 1, 2, 100, "W0012.BAS"},
       {2, 0, 3, 100, "W0013.BAS"},
       {1, 1, 0, 100, "W0012.BAS"}}}},
    {6,
     {{{1, 0, 1, 100, "W0017.BAS"},
       {1, 1, 2, 100, "W0018.BAS"},
       {1, 0, 3, 100, "W0019.BAS"},
       {1, 1, 4, 100, "W0018.BAS"},
       {1, 0, 5, 100, "W0019.BAS"},
       {1, 1, 0, 100, "W0018.BAS"}}}},
    {5,
     {{{1, 0, 1, 100, "W0014.BAS"},
       {2, 1, 2, 100, "W0015.BAS"},
       {1, 0, 3, 100, "W0016.BAS"},
       {3, 1, 4, 100, "W0018.BAS"},
       {2, 0, 1, 100, "W0016.BAS"}}}},
};

}  // namespace cindervane
