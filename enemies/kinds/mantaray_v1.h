// MANTARAYV1 (type 19): a big slow bomber that comes down a little, then sways from side to
// side for a long time working through its weapons (wing bolts, a napalm bomb, aimed
// shots), and finally sinks away below the screen.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class MantarayV1 : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 19;

    explicit MantarayV1(RandomGenerator& random);

  protected:
    // At age 1 it starts down at double speed; at 31 it stops descending and drifts sideways (right
    // for pattern 0, left for pattern 1), turning round at 67, 121, 175, 229, 283, 337 and 392.
    // Wing bolts at 67, 175, 256 and 364; the napalm bomb at 121, 230 and 383; aimed shots at
    // 202, 219, 337, 381 and 392. At 421 it leaves downwards.
    // The sway and its turns go on above the screen; it fires only on it.
    void script() override;
    bool scriptRuns() const override { return true; }
    // Leaves below or beside the screen, never at the top it enters from.
    bool leavesNow() const override { return belowOrBesideScreen(); }
};

}  // namespace cindervane
