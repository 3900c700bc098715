// MANTARAYV2 (type 20): a heavily armoured bomber that glides down through the whole screen,
// all its guns firing at their own pace once it has come in.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class MantarayV2 : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 20;

    explicit MantarayV2(RandomGenerator& random);

  protected:
    // From its first frame: at age 1 it heads straight down; from 60 on it fires all guns
    // every frame (their intervals pace them) while it glides on down and away.
    void script() override;
    bool scriptRuns() const override { return true; }
    // Leaves below or beside the screen.
    bool leavesNow() const override { return belowOrBesideScreen(); }

    MantarayV2(std::int32_t type, std::span<const EnemyGunRow> guns, RandomGenerator& random);
};

}  // namespace cindervane
