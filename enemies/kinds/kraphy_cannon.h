// KRAPHYCANNON (type 14): an armoured gunship that stops, fires one heavy bolt straight down
// and then a pair slanting outwards, and leaves down and outwards.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class KraphyCannon : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 14;

    explicit KraphyCannon(RandomGenerator& random);

  protected:
    // On the screen: at 30 it stops and fires its cannon; at 40 it fires its two slanting
    // guns and leaves downwards to the left (pattern 0) or right (pattern 1).
    void script() override;
};

}  // namespace cindervane
