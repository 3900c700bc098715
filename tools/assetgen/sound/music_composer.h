// Composes one piece of stage music from its character: a chord progression, a bass line, a
// drum groove, a running arpeggio and a tune built from short motifs, played by the
// synthesiser and looping cleanly from its last bar into its first.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assetgen/sound/song_table.h"

namespace cindervane::assetgen {

class MusicComposer {
  public:
    explicit MusicComposer(const SongDesign& song) : song_(song) {}

    // The piece's length in samples: a whole number of bars.
    int length() const;
    std::vector<std::uint8_t> compose() const;

  private:
    const SongDesign& song_;
};

}  // namespace cindervane::assetgen
