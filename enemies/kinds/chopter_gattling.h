// CHOPTERGATTLING (type 5): a helicopter with two gattling guns that stops, sprays the
// ground below for ten frames and leaves diagonally.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class ChopterGattling : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 5;

    explicit ChopterGattling(RandomGenerator& random);

  protected:
    // On the screen: ages 20 to 29 it stands and fires both guns every frame; at 40 it
    // leaves downwards to the left (pattern 0) or right (pattern 1).
    void script() override;
};

}  // namespace cindervane
