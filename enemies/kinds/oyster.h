// OYSTER (type 27): a great armoured shell that settles on the screen, shows a thin sighting
// line, then opens up with its broad super laser where the line was; between the beams it
// shifts sideways and throws heavy bolts to both sides. At the end it sinks away.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class Oyster : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 27;

    explicit Oyster(RandomGenerator& random);

  protected:
    // On the screen: it stops at 65. Sighting lines at 70, 330 and 430 and the super laser
    // down the same column 40, 20 and 20 frames later (110, 350, 450); heavy bolts to both
    // sides at 125, 165, 205, 300, 305, 310, 405 and 420. It drifts slowly away from the
    // middle of the screen from 205 to 280 and comes back faster from 380 to 401, and at 485
    // it leaves downwards.
    void script() override;
    // Leaves below or beside the screen.
    bool leavesNow() const override { return belowOrBesideScreen(); }
};

}  // namespace cindervane
