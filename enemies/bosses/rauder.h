// The Rauder, boss of stage 2 (type 31): it drops in fast, stands, then circles a fixed
// centre firing lasers, pulse beams and missile triples on a counter of a hundred frames,
// and now and then breaks off to dash down, or diagonally, and back. Below a quarter of its
// hit points it circles faster and fires the middle missile of every triple as well.
#pragma once

#include <cstdint>

#include "enemies/bosses/boss.h"

namespace cindervane {

class Rauder : public Boss {
  public:
    static constexpr std::int32_t kType = 31;
    static constexpr std::int32_t kFullHp = 400000;
    // Below this it circles faster and fires its full triples.
    static constexpr std::int32_t kFuryHp = 100000;

    explicit Rauder(RandomGenerator& random);

    // The entry at 3 pixels a frame while higher than -100; at age 30 it stands on the top of
    // its circle and arrives (full hit points, vulnerable); from age 55 it circles and fires
    // (phase 0) or dashes (phases 1 to 3, chosen at ages that are multiples of 400, 300 and
    // 200). Ends with updateOwned. Must not allocate.
    void move() override;
    // The six lasers (guns 0 to 5), by the volley counter and the dash rounds of its age.
    void foretellBeams(BeamForecast& forecast) const override;

    std::int32_t getVolleyCounter() const { return volleyCounter_; }
    void hashOwnState(StateHasher& hasher) const override { hasher.add(volleyCounter_); }

  private:
    void circle();
    void fireVolley(std::int32_t c);
    // One frame of a dash phase, r = age mod period: it stands while r is below standTo,
    // dashes out along (dx, dy) while below outTo, back the opposite way while below backTo,
    // and then, up to circleTo, goes back to circling.
    void dash(std::int32_t period, std::int32_t standTo, std::int32_t outTo, std::int32_t backTo,
              std::int32_t circleTo, std::int32_t dx, std::int32_t dy);
    void fireGun(int slot);

    std::int32_t volleyCounter_ = 0;
};

}  // namespace cindervane
