// The Poseidon, boss of stage 1 (type 28): it comes down to the top of the screen, then
// sweeps from side to side, bobbing on a swing, and fires its missiles, lasers and
// particles in volleys counted round twenty frames. Below a quarter of its hit points it
// sweeps three times as fast and fires its particle fans more often.
#pragma once

#include <cstdint>

#include "enemies/bosses/boss.h"

namespace cindervane {

class Poseidon : public Boss {
  public:
    static constexpr std::int32_t kType = 28;
    static constexpr std::int32_t kFullHp = 200000;
    // Below this it goes over to its second phase.
    static constexpr std::int32_t kFuryHp = 50000;

    explicit Poseidon(RandomGenerator& random);

    // Entry at one pixel a frame until it shows; at age 5 on the screen it arrives (full hit
    // points, vulnerable, sweeping right); from age 16 the sweep, swing and volleys of its
    // phase. Ends with updateOwned. Must not allocate.
    void move() override;
    // The wing lasers (guns 8 and 9), by the volley counter.
    void foretellBeams(BeamForecast& forecast) const override;

    std::int32_t getVolleyCounter() const { return volleyCounter_; }
    std::int32_t getSwingAngle() const { return swingAngle_; }
    void hashOwnState(StateHasher& hasher) const override {
        hasher.add(volleyCounter_);
        hasher.add(swingAngle_);
    }

  private:
    // Reverses at the edges, partly off both sides of the screen.
    void bounce();
    // The body's row on the swing, centred on the row given, then the next swing step.
    void swing(std::int32_t centreRow);
    // The missiles and lasers, the same in both phases.
    void missileVolley(std::int32_t c);

    std::int32_t volleyCounter_ = 0;
    std::int32_t swingAngle_ = 0;
};

}  // namespace cindervane
