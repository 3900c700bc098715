// The second OWLIONLEADER (type 26, drawn with the leader's picture): a fast leader that
// dives in, throws a five-way fan and two aimed shots, and veers off to one side.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class OwlionLeader2 : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 26;

    explicit OwlionLeader2(RandomGenerator& random);

  protected:
    // On the screen: at 10 all five guns fire the fan; at 12 and 15 the middle gun fires an
    // aimed shot; at 15 it veers off diving, to the left for pattern 0 and to the right for
    // pattern 1.
    void script() override;
    // Leaves below or beside the screen.
    bool leavesNow() const override { return belowOrBesideScreen(); }
};

}  // namespace cindervane
