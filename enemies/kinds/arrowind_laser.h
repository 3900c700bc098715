// ARROWINDLASER (type 3): an arrow that takes up a post near one edge of the screen and
// fires a sighting laser straight down every 20 frames, fencing that edge off, then leaves
// outwards.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class ArrowindLaser : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 3;

    explicit ArrowindLaser(RandomGenerator& random);

  protected:
    // On the screen: it stops at 35 and fires at 35, 55, 75, 95, 115, 135, 155 and 175; at
    // 194 it leaves upwards and outwards, to the left for pattern 0 and to the right for
    // pattern 1. It is drawn in one pose.
    void script() override;
};

}  // namespace cindervane
