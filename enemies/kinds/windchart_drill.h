// WINDCHARTDRILL (type 43): a drill that comes in facing the ship, hovers a moment taking
// aim, then fires and bores straight at where it aimed.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class WindchartDrill : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 43;

    explicit WindchartDrill(RandomGenerator& random);

  protected:
    // Steering from the start: while steering and on the screen it faces the ship every
    // frame. With a target: it stops at 30; at 40 it stops steering, fires and charges in
    // the one of eight directions nearest its aim.
    void script() override;
};

}  // namespace cindervane
