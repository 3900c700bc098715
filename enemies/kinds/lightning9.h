// LIGHTNING9 (type 18): a fighter that stops, then swoops round a circle towards the middle
// of the screen, firing three aimed shots in quick succession as it goes.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class Lightning9 : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 18;

    explicit Lightning9(RandomGenerator& random);

    void hashOwnState(StateHasher& hasher) const override {
        OrdinaryEnemy::hashOwnState(hasher);
        hasher.add(turned_);
    }

  protected:
    // On the screen: it stops at 20; at 30 it takes a circle whose centre lies 45 pixels
    // towards the middle of the screen (to its right for patterns 0 and 2, to its left for
    // 1 and 3) and from 31 swoops round it, down and inwards, 3 degrees a frame: half way
    // round for patterns 0 and 1, once right round for 2 and 3; then it leaves straight
    // down. Its three guns fire one after another at 45, 51 and 53.
    void script() override;

  private:
    std::int32_t turned_ = 0;  // degrees flown round the circle
};

}  // namespace cindervane
