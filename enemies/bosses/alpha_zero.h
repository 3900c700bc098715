// The Alpha Zero, boss of stage 8 (type 1): the last and largest, fought in two forms. First
// it comes down with its three sections, front, centre and rear, opens with a sweeping volley
// and a broad beam, and loops through three attacks until its front section is destroyed;
// the other sections fall with it. Then the bare body turns to face the ship and fights on,
// choosing its five attacks in a fixed order.
#pragma once

#include <cstdint>

#include "enemies/bosses/boss.h"

namespace cindervane {

class AlphaZero : public Boss {
  public:
    static constexpr std::int32_t kType = 1;
    static constexpr std::int32_t kFullHp = 600000;
    // Its sections' slots.
    static constexpr int kFront = 0;
    static constexpr int kCentre = 1;
    static constexpr int kRear = 2;
    // The front becomes vulnerable once the body's top is this low.
    static constexpr std::int32_t kArrivalY = -25;

    // Built with its three sections, all invulnerable until it has come down.
    explicit AlphaZero(RandomGenerator& random);

    // First form, while the front lives: the entry (phase 0), the opening volley (1) and the
    // attack loop 2 -> 3 -> 4 -> 2. Second form: the remaining sections fall, and the
    // selector (phase 0) hands over to its five attacks (1 to 5) in the order of its counter,
    // the picture turned to the ship. Ends with updateOwned. Must not allocate.
    void move() override;
    // The front's broad beam and the centre's wingtip lasers in the first form, the body's
    // lasers and broad beam in the second, followed through the fixed order of its attacks.
    void foretellBeams(BeamForecast& forecast) const override;
    // Every section slot, alive or not, at its fixed place on the body.
    void placeParts() override;

    std::int32_t getPhaseCounter() const { return phaseCounter_; }
    void setPhaseCounter(std::int32_t counter) { phaseCounter_ = counter; }
    // Counts the bare body's aimed shots and missile walls: which gun fires the next aimed
    // shot, where the next wall's gap lies and to which side it slides.
    std::int32_t getLoopIndex() const { return loopIndex_; }
    void hashOwnState(StateHasher& hasher) const override {
        hasher.add(phaseCounter_);
        hasher.add(loopIndex_);
    }

  private:
    void setBodyGunsOpen(bool open);
    bool partAlive(int slot) const;
    void fireGuns(Enemy& from, int first, int last);
    void fireGuns(int first, int last) { fireGuns(*this, first, last); }
    // Keeps the front's beam under the front while the beam lasts.
    void holdBeam();
    void enter();
    void openingVolley();
    // A pixel a frame to and fro over the middle, the front above the ship's usual place.
    void sway();
    void firstFormAttack();
    void selectAttack();
    void secondFormAttack();
    void settle();

    std::int32_t phaseCounter_ = 0;
    std::int32_t loopIndex_ = 0;
};

}  // namespace cindervane
