// OWLIONLEADER (type 24): the owlions' leader. It stops and sweeps a fan of shots from one
// side to the other twice, then dives away.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class OwlionLeader : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 24;

    explicit OwlionLeader(RandomGenerator& random);

  protected:
    // On the screen: it stops at 30; its three guns (down-left, down, down-right) fire one
    // at a time at 35, 37, 39 and again at 41, 43, 45, sweeping the fan across (from the
    // left for pattern 0, from the right for pattern 1); at 45 it leaves downwards to the
    // side the sweep ended on.
    void script() override;
};

}  // namespace cindervane
