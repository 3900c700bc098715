// GASHIING (type 9): a small gunship that stops, fires three volleys of eight shots that
// each turn towards the ship, and leaves the way its pattern says.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class Gashiing : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 9;

    explicit Gashiing(RandomGenerator& random);

  protected:
    // On the screen: at 30 it stops and fires all guns, again at 90 and 150; at 210 it
    // leaves by pattern: 0 down and 3 up at double vertical speed; 1 down-right, 2
    // down-left, 4 up-right, 5 up-left at double sideways speed. Any other pattern hovers.
    void script() override;
};

}  // namespace cindervane
