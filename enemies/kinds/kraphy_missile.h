// KRAPHYMISSILE (type 15): an armoured bomber that stops, launches a pair of missiles, drops
// a napalm bomb and climbs away.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class KraphyMissile : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 15;

    explicit KraphyMissile(RandomGenerator& random);

  protected:
    // On the screen: at 30 it stops and launches its two missiles; at 40 it drops its bomb
    // and climbs away upwards to the left (pattern 0) or right (pattern 1).
    void script() override;
};

}  // namespace cindervane
