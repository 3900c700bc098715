// The Poseidon V2, boss of stage 3 (type 29): the stage 1 boss grown two wings, each a
// separately destructible part with its own guns. It comes down to the top of the screen,
// bobs on its counter, sweeps from side to side and now and then slides off to one side to
// show a whole wing, which fires its volleys on fixed counts. Once both wings are gone the
// body sweeps twice as fast and fires its own guns.
#pragma once

#include <cstdint>

#include "enemies/bosses/boss.h"

namespace cindervane {

class PoseidonV2 : public Boss {
  public:
    static constexpr std::int32_t kType = 29;
    static constexpr std::int32_t kFullHp = 500000;
    // Its parts' slots.
    static constexpr int kLeftWing = 0;
    static constexpr int kRightWing = 1;

    enum class Side { Left, Right };

    // Built with both wings, invulnerable like them until it arrives.
    explicit PoseidonV2(RandomGenerator& random);

    // The entry while above the screen; on the screen the bob of its counter, the arrival at
    // age 5 (full hit points for it and its wings, all vulnerable, showing the right wing
    // first when that wing lives), then the sweep (phase 0) and the showing of the right
    // (phase 1) and left (phase 2) wing, the wings' volleys, and once both wings are gone
    // the body's faster sweep and its own volleys. Ends with updateOwned. Must not allocate.
    void move() override;
    // Every wing slot, alive or not, at its fixed place on the body.
    void placeParts() override;

    std::int32_t getVolleyCounter() const { return volleyCounter_; }
    void setVolleyCounter(std::int32_t c) { volleyCounter_ = c; }
    std::int32_t getPhaseTimer() const { return phaseTimer_; }
    void setPhaseTimer(std::int32_t timer) { phaseTimer_ = timer; }
    Side getNextSide() const { return nextSide_; }

    // Whether the wings fire on this count of the volley counter.
    static bool isWingVolley(std::int32_t c);

  private:
    bool wingAlive(int slot) const;
    void arrive();
    void bob();
    void advanceCounter();
    void sweep();
    void showRightWing();
    void showLeftWing();
    void bodyVolley(std::int32_t c);
    void fireGuns(int first, int last);

    std::int32_t volleyCounter_ = 0;
    std::int32_t phaseTimer_ = 0;
    Side nextSide_ = Side::Right;
};

}  // namespace cindervane
