// The Winged Bear, boss of stage 5 (type 44): a huge flying beast as wide as the screen. It
// comes down slowly over the top of the screen, stands, then circles a small round there for
// good, firing missiles, lasers, fans of particles from both paws, aimed particles, pulse
// beams and napalm on a counter of a hundred frames. It has no parts and no change of phase.
#pragma once

#include <cstdint>

#include "enemies/bosses/boss.h"

namespace cindervane {

class WingedBear : public Boss {
  public:
    static constexpr std::int32_t kType = 44;
    static constexpr std::int32_t kFullHp = 1000000;

    explicit WingedBear(RandomGenerator& random);

    // Down at 4 pixels a frame, at age 10 slower; at age 30 it stands on the top of its
    // circle and arrives (full hit points, vulnerable); from age 55 it circles and fires.
    // Ends with updateOwned. Must not allocate.
    void move() override;
    // The side lasers (guns 6 to 9), by the volley counter once it circles.
    void foretellBeams(BeamForecast& forecast) const override;

    std::int32_t getVolleyCounter() const { return volleyCounter_; }
    void hashOwnState(StateHasher& hasher) const override { hasher.add(volleyCounter_); }

  private:
    void fireVolley(std::int32_t c);

    std::int32_t volleyCounter_ = 0;
};

}  // namespace cindervane
