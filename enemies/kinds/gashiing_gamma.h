// GASHIINGGAMMA (type 12): a heavy gunship that stops and fires a spread, then turns to
// face the ship, ten degrees a frame, and once it has it in its sights charges along that
// heading.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class GashiingGamma : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 12;

    explicit GashiingGamma(RandomGenerator& random);

  protected:
    // On the screen with a target: it stops at 20 and fires its spread; at 30 it fires again
    // and starts steering. While steering it turns towards the ship (at most 10 degrees a
    // frame) and flies the heading it has (in eight directions); once its heading has
    // reached the ship's direction it stops steering and keeps that heading until it leaves.
    void script() override;
};

}  // namespace cindervane
