// The dash shared by SCROOPBURU, SCROOPKING and GASHIINGALPHA: the enemy records where the
// ship's centre and its own centre are at one moment and then flies along the straight line
// through the two points, past the point, until it leaves the screen. The line is flown in
// whole pixels: the main axis by the motion step, the other by a carried remainder.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class Dasher : public OrdinaryEnemy {
  public:
    void hashOwnState(StateHasher& hasher) const override {
        OrdinaryEnemy::hashOwnState(hasher);
        for (const std::int32_t value : {lockedTargetX_, lockedTargetY_, lockedOwnX_, lockedOwnY_})
            hasher.add(value);
        hasher.add(remainder_);
    }

  protected:
    using OrdinaryEnemy::OrdinaryEnemy;

    // Records the target's centre and its own, clears the remainder and doubles both speeds.
    // Nothing without a target.
    void lockOn();
    // One frame along the recorded line: level or upright lines, and exact diagonals, by the
    // directions alone; otherwise the steeper axis by its direction and the other by the
    // remainder, which gathers (the slope times the speed) and moves the enemy by its whole
    // part towards the recorded point, keeping the fraction.
    void dashStep();

    std::int32_t lockedTargetX_ = 0;
    std::int32_t lockedTargetY_ = 0;
    std::int32_t lockedOwnX_ = 0;
    std::int32_t lockedOwnY_ = 0;
    double remainder_ = 0.0;
};

}  // namespace cindervane
