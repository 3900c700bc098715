// The Poseidon V3, boss of stage 6 (type 30): the Poseidon grown once more, with two wings
// above it and two back sections beneath, each destroyed on its own. It comes down fast from
// far above, stands, arrives, then sweeps and slides aside to show a wing as the stage 3 boss
// does; its wings fire on fixed counts, its back sections drop napalm and lasers, and the body
// keeps aimed particles and nose lasers coming from the start. Once both wings are gone it
// sweeps faster and fires all its own guns; once every part is gone, faster still.
#pragma once

#include <cstdint>

#include "enemies/bosses/winged_poseidon.h"

namespace cindervane {

class PoseidonV3 : public WingedPoseidon {
  public:
    static constexpr std::int32_t kType = 30;
    static constexpr std::int32_t kFullHp = 850000;
    // Its back sections' part slots, after the two wings.
    static constexpr int kLeftBack = 2;
    static constexpr int kRightBack = 3;
    // Its marks of age, counted from the frame it comes within reach of the screen: it stops
    // at the top of the screen, arrives, then fights.
    static constexpr std::int32_t kStopAge = 25;
    static constexpr std::int32_t kArrivalAge = 35;
    static constexpr std::int32_t kFightAge = 36;

    // Built with its four parts, invulnerable like them until it arrives.
    explicit PoseidonV3(RandomGenerator& random);

    // Down at 4 pixels a frame; from 96 pixels above the screen its age counts: at 25 it
    // stands, at 35 it arrives (full hit points for it and its parts, all vulnerable, showing
    // the right wing first when that wing lives), from 36 the sweep (phase 0) and the showing
    // of the right (phase 1) and left (phase 2) wing with the volleys. Ends with updateOwned.
    // Must not allocate.
    void move() override;
    void foretellBeams(BeamForecast& forecast) const override;
    // Every part slot, alive or not, at its fixed place on the body.
    void placeParts() override;

  private:
    void arrive();
    void fight();
    void sweep();
    void bodyVolley(std::int32_t c, bool bare);
};

}  // namespace cindervane
