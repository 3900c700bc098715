// ARROWIND (type 2), the diving arrow: it streaks straight through the screen at great
// speed, and some fire one bolt ahead of themselves on the way.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class Arrowind : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 2;

    explicit Arrowind(RandomGenerator& random);

  protected:
    // From its first frame, on the screen or not: pattern 1 fires at age 3, pattern 2 at
    // age 10, pattern 0 never. It keeps its spawn direction and leaves the screen. It is
    // drawn in one pose.
    void script() override;
    bool scriptRuns() const override { return true; }
};

}  // namespace cindervane
