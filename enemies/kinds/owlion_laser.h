// OWLIONLASER (type 23): an owlion that comes in beside the screen, turns in across it and
// fires red laser bolts downwards as it crosses.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class OwlionLaser : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 23;

    explicit OwlionLaser(RandomGenerator& random);

  protected:
    // On the screen: at 20 it turns level across the screen, rightwards for pattern 0 and
    // leftwards for pattern 1; from 26 on it calls its gun every frame (its interval paces
    // the bolts).
    void script() override;
};

}  // namespace cindervane
