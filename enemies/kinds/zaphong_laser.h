// ZAPHONGLASER (type 48): a zaphong that stops, shows a thin sighting line, throws two
// slanting shots and fires its red laser down the sighted column as it sets off again.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class ZaphongLaser : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 48;

    explicit ZaphongLaser(RandomGenerator& random);

  protected:
    // On the screen: at 20 it stops and fires its sighting line; at 22 its two slanting
    // guns; at 25 the laser, and it sets off: back up for pattern 0, on down for pattern 1.
    void script() override;
};

}  // namespace cindervane
