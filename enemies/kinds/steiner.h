// STEINER (type 39): a fast raider that darts in, stops, bursts a ring of twelve shots and
// one aimed shot, and darts back out the way it came.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class Steiner : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 39;

    explicit Steiner(RandomGenerator& random);

  protected:
    // On the screen: it stops at 20; at 35 its twelve ring guns fire one after another, and
    // at 36 its aimed gun fires and it leaves upwards.
    void script() override;
};

}  // namespace cindervane
