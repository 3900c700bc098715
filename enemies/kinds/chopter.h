// CHOPTER (type 4), the most frequent enemy: a small helicopter that always faces the ship,
// stops, fires one aimed shot and leaves, or flies a circle firing as it goes.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class Chopter : public OrdinaryEnemy {
  public:
    static constexpr std::int32_t kType = 4;

    explicit Chopter(RandomGenerator& random);

  protected:
    // While on the screen it aims at the ship every frame, and by pattern: 0 and 1 stop at
    // 30, fire at 40 and leave upwards to the left (0) or right (1) at 60 at a slower
    // sideways speed; 4 and 5 the same at 10, 20 and 40; 2 and 3 stop at 30 and at 40 fire
    // and fly a circle through their own place, its centre below them, firing on its lower
    // part: 3 clockwise down the right-hand side, 2 down the left; past the circle's limit
    // (and from age 81) they leave straight down. Any other pattern only aims.
    void script() override;
    // Besides the grace rule, it dies at once beyond the left or right edge.
    bool leavesNow() const override { return OrdinaryEnemy::leavesNow() || pastSideEdge(); }

  private:
    void stopFireLeave(std::int32_t stopAt, std::int32_t fireAt, std::int32_t leaveAt,
                       std::int32_t sideways);
    void circle();
};

}  // namespace cindervane
