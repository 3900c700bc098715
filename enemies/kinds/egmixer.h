// EGMIXER (type 7), the item carrier: a heavy craft that sways from side to side dropping a
// napalm bomb and bursts of fire, and releases its item box when destroyed.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class Egmixer : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 7;

    explicit Egmixer(RandomGenerator& random);

  protected:
    // On the screen it calls its heavy gun every frame (the gun's interval of 200 paces it);
    // at 25 it stops descending and moves right, then turns every 25 frames (left at 50,
    // right at 75 ... right at 175), stands at 200 and leaves downwards at 225. In the bursts
    // 60..69, 80..89, 105..114, 140..149 and 190..200 its four side guns fire as well.
    void script() override;
    // Besides the grace rule, it dies at once beyond the left or right edge.
    bool leavesNow() const override { return OrdinaryEnemy::leavesNow() || pastSideEdge(); }
};

}  // namespace cindervane
