// WINDCHART (type 42): a very fast fighter that zigzags down through the screen, dropping
// shots as it goes.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class Windchart : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 42;

    explicit Windchart(RandomGenerator& random);

  protected:
    // On the screen it calls its gun every frame (its interval paces it); at 10 it turns
    // diagonally inwards (down-right for pattern 0, down-left for pattern 1) and at 25 it
    // zags back the other way.
    void script() override;
};

}  // namespace cindervane
