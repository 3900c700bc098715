// Composes one piece of stage music from its character: a chord progression, a bass line, a
// drum groove, a middle voice and a tune built from short motifs, each part coming in as the
// piece's opening has it, played by the synthesiser, mastered, and looping cleanly.
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
