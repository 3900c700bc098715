// The Deathbringer, boss of stage 7 (type 6): the greatest warship of the enemy, wider than
// the screen. It glides down slowly to hang over the top half of the screen, sways a little
// and fires heavy volleys on a counter of 160 frames, each with a gap to slip through: a
// wall of missiles with a missing pair that moves along, whole fans, lasers down the sides.
// Below a quarter of its hit points it grows fierce: it draws back out of reach for a while,
// then returns to sway faster and fire twice as often.
// It has no parts and keeps its phase 0.
#pragma once

#include <cstdint>

#include "enemies/bosses/boss.h"

namespace cindervane {

class Deathbringer : public Boss {
  public:
    static constexpr std::int32_t kType = 6;
    static constexpr std::int32_t kFullHp = 1500000;
    // Below these hit points it is fierce.
    static constexpr std::int32_t kFierceHp = 375000;
    // Its marks of age: it stops drifting sideways, then arrives.
    static constexpr std::int32_t kCentredAge = 11;
    static constexpr std::int32_t kArrivalAge = 30;
    static constexpr std::int32_t kVolleyRound = 160;
    // How long it draws back, invulnerable, when it first grows fierce.
    static constexpr std::int32_t kRetreatFrames = 150;

    explicit Deathbringer(RandomGenerator& random);

    // From its first frame it glides down and left at one pixel a frame to the middle, at age
    // 11 straight down only, at age 30 it stops and arrives (full hit points, vulnerable);
    // after that it sways and fires its volleys. Ends with updateOwned. Must not allocate.
    void move() override;
    // The bow lasers (guns 8 to 11) and the side lasers (32 and 33), by the volley counter.
    void foretellBeams(BeamForecast& forecast) const override;

    std::int32_t getVolleyCounter() const { return volleyCounter_; }
    bool isFierce() const { return fierce_; }
    bool isWithdrawing() const { return retreat_ > 0; }
    void hashOwnState(StateHasher& hasher) const override {
        hasher.add(volleyCounter_);
        hasher.add(swayDir_);
        hasher.add(fierce_);
        hasher.add(retreat_);
    }

  private:
    void sway();
    void withdraw();
    void fireVolley(std::int32_t c);

    std::int32_t volleyCounter_ = 0;
    std::int32_t swayDir_ = 1;
    bool fierce_ = false;
    std::int32_t retreat_ = 0;
};

}  // namespace cindervane
