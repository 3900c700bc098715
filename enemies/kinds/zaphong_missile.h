// ZAPHONGMISSILE (type 49): a zaphong that stops to launch two pairs of missiles, straight
// and then slanting outwards, and leaves down and outwards.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class ZaphongMissile : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 49;

    explicit ZaphongMissile(RandomGenerator& random);

  protected:
    // On the screen: at 20 it stops and launches its straight pair; at 22 the slanting pair;
    // at 25 it leaves downwards to the left (pattern 0) or right (pattern 1).
    void script() override;
};

}  // namespace cindervane
