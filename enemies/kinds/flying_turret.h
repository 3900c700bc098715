// FLYINGTURRET (type 8): a floating gun platform with a barrel every 15 degrees round its
// rim. It settles, turns to follow the ship and fires whichever barrel points at it.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class FlyingTurret : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 8;

    explicit FlyingTurret(RandomGenerator& random);

  protected:
    // On the screen it faces the ship every frame. With a target: it stops at 30 and from
    // then on calls, every frame, the barrel nearest its aim (each barrel's interval paces
    // it, so a ship that keeps moving round draws fewer shots); at 100 it sinks away
    // downwards, still firing.
    void script() override;
    // Leaves below or beside the screen.
    bool leavesNow() const override { return belowOrBesideScreen(); }
};

}  // namespace cindervane
