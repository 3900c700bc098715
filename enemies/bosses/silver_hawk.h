// The Silver Hawk, boss of stage 4 (type 38): a small, fast fighter that waits below the
// screen while the ground races past, shoots up along the side away from the ship, then
// weaves from side to side near the top, firing twin streams, missiles, aimed particles and
// particle fans, and now and then dives at the ship and climbs back. Below a quarter of its
// hit points it weaves faster and fires everything it has.
#pragma once

#include <cstdint>

#include "enemies/bosses/boss.h"

namespace cindervane {

class SilverHawk : public Boss {
  public:
    static constexpr std::int32_t kType = 38;
    static constexpr std::int32_t kFullHp = 400000;
    // Below this it goes over to its fury.
    static constexpr std::int32_t kFuryHp = 100000;

    explicit SilverHawk(RandomGenerator& random);

    // By age: at 1 it waits below the screen, at 25 it climbs fast in the lane away from the
    // ship, at 35 it arrives (once: full hit points, vulnerable) and, once on its row near
    // the top, weaves (phase 1); at 301 and 501 it dives and climbs back
    // (phase 2), at 331 it weaves with its second volley set (phase 3), and at 531 its age
    // goes back to 35. Below the fury's hit points it weaves and fires in phase 4 for good.
    // Ends with updateOwned. Must not allocate.
    void move() override;

    std::int32_t getVolleyCounter() const { return volleyCounter_; }
    void hashOwnState(StateHasher& hasher) const override { hasher.add(volleyCounter_); }

  private:
    void script();
    // The side of the screen away from the ship, and the weave's angle at that side.
    void chooseLane();
    void weave(std::int32_t step);
    void dive();
    void firstVolley(std::int32_t c);
    void secondVolley(std::int32_t c);

    std::int32_t volleyCounter_ = 0;
};

}  // namespace cindervane
