// KRAPHYLEADER (type 16): the kraphys' leader. It comes down slowly firing its cannon ahead,
// then veers off down and outwards with its aimed guns and missiles working.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class KraphyLeader : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 16;

    explicit KraphyLeader(RandomGenerator& random);

  protected:
    // From its first frame: at age 1 it slows to 2 pixels a frame downwards; until 60 it
    // calls its cannon every frame on the screen; at 60 it veers off diagonally down towards
    // the nearer side, as slowly sideways and from then on calls its four other guns instead (their
    // intervals pace them all).
    void script() override;
    bool scriptRuns() const override { return true; }
    // Leaves below or beside the screen.
    bool leavesNow() const override { return belowOrBesideScreen(); }
};

}  // namespace cindervane
