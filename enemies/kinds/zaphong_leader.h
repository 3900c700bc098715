// ZAPHONGLEADER (type 50): the zaphongs' leader. It dives in with its forward guns
// streaming, then climbs back out with its aimed guns and missiles working.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class ZaphongLeader : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 50;

    explicit ZaphongLeader(RandomGenerator& random);

  protected:
    // From its first frame: at age 1 it heads straight down; until 60 it calls its two
    // forward guns every frame on the screen; at 60 it turns and climbs away, calling its
    // two aimed guns and two missile launchers instead (their intervals pace them all).
    void script() override;
    bool scriptRuns() const override { return true; }
    // Below or beside the screen, or above it while climbing away.
    bool leavesNow() const override {
        return belowOrBesideScreen() || (getDirY() < 0 && getY() < -height());
    }
};

}  // namespace cindervane
