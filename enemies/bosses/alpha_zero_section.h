// A section of the stage 8 boss: its front, carried below the body with the broad beam, its
// centre, the wide hull round the body with the long rows of guns, and its rear, rising
// behind the body. The front is the first form's target; when it falls the other two fall
// with it. The body fires the sections' guns in its volleys.
#pragma once

#include <cstdint>

#include "enemies/bosses/boss_part.h"

namespace cindervane {

class AlphaZeroSection : public BossPart {
  public:
    enum class Piece { Front, Centre, Rear };

    // The pictures of the sections in the part catalogue.
    static constexpr std::int32_t kFrontKind = 1;
    static constexpr std::int32_t kCentreKind = 2;
    static constexpr std::int32_t kRearKind = 3;
    static constexpr std::int32_t kFullHp = 1000000;
    // The front's broad beam and its opening stream of aimed shots.
    static constexpr int kBeamGun = 62;
    static constexpr int kStreamGun = 63;

    // Alive, invulnerable until the body lets it be hit, standing still (the body places it),
    // drawn above the body, with the guns of its piece.
    explicit AlphaZeroSection(Piece piece);
};

}  // namespace cindervane
