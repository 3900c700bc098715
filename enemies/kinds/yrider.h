// YRIDER (type 46): a rider that stops to fire two heavy bolts twice and swerves away
// outwards.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class Yrider : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 46;

    explicit Yrider(RandomGenerator& random);

  protected:
    // On the screen: at 20 it stops and fires all guns; at 27 it fires again and leaves
    // downwards to the left (pattern 0) or right (pattern 1).
    void script() override;
};

}  // namespace cindervane
