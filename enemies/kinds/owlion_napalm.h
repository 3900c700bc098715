// OWLIONNAPALM (type 25): a bomber owlion that lays two strings of three napalm bombs as it
// flies over.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class OwlionNapalm : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 25;

    explicit OwlionNapalm(RandomGenerator& random);

  protected:
    // On the screen it drops a bomb at 7, 10 and 13 and again at 30, 33 and 36, keeping its
    // course; pattern 1 turns across towards the middle of the screen after the first
    // string (at 13), so the second string falls elsewhere.
    void script() override;
};

}  // namespace cindervane
