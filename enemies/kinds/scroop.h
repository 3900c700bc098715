// SCROOP (type 35): a small unarmed drone that hovers a moment and then dives straight down
// at double speed, to ram whatever is below.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class Scroop : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 35;

    explicit Scroop(RandomGenerator& random);

  protected:
    // On the screen: it stops at 20 and dives at 40, straight down at double speed.
    void script() override;
};

}  // namespace cindervane
