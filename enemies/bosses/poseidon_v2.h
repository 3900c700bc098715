// The Poseidon V2, boss of stage 3 (type 29): the stage 1 boss grown two wings, each a
// separately destructible part with its own guns. It comes down to the top of the screen,
// bobs on its counter, sweeps from side to side and now and then slides off to one side to
// show a whole wing, which fires its volleys on fixed counts. Once both wings are gone the
// body sweeps twice as fast and fires its own guns.
#pragma once

#include <cstdint>

#include "enemies/bosses/winged_poseidon.h"

namespace cindervane {

class PoseidonV2 : public WingedPoseidon {
  public:
    static constexpr std::int32_t kType = 29;
    static constexpr std::int32_t kFullHp = 500000;

    // Built with both wings, invulnerable like them until it arrives.
    explicit PoseidonV2(RandomGenerator& random);

    // The entry while above the screen; on the screen the bob of its counter, the arrival at
    // age 5 (full hit points for it and its wings, all vulnerable, showing the right wing
    // first when that wing lives), then the sweep (phase 0) and the showing of the right
    // (phase 1) and left (phase 2) wing, the wings' volleys, and once both wings are gone
    // the body's faster sweep and its own volleys. Ends with updateOwned. Must not allocate.
    void move() override;
    void foretellBeams(BeamForecast& forecast) const override;
    // Every wing slot, alive or not, at its fixed place on the body.
    void placeParts() override;

  private:
    void arrive();
    void bob();
    void sweep();
};

}  // namespace cindervane
