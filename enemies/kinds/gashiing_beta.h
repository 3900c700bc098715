// GASHIINGBETA (type 11), the arc sweeper: an unarmed heavy that ignores where it was
// spawned and sweeps along a great ellipse reaching past the screen's corners.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class GashiingBeta : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 11;

    explicit GashiingBeta(RandomGenerator& random);

  protected:
    // At age 1 it stands (both directions 0) and takes the start angle of its pattern; every
    // frame from then on it puts itself on its ellipse at the angle and moves the angle on by
    // its sideways speed: pattern 0 from the upper left down across to the right, 1 from the
    // bottom right up to the upper left, 2 from the upper right down across to the left, 3
    // from the bottom left up to the upper right. Any other pattern sweeps as 0.
    void script() override;
    bool scriptRuns() const override { return true; }
};

}  // namespace cindervane
