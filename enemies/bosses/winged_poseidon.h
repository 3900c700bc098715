// What the two winged Poseidons (the bosses of stages 3 and 6) share: the body's arsenal, a
// volley counter on which the wings fire, and the phases that slide the body off to one side
// to show a whole wing.
#pragma once

#include <cstdint>

#include "enemies/bosses/boss.h"

namespace cindervane {

class WingedPoseidon : public Boss {
  public:
    // The wings' part slots.
    static constexpr int kLeftWing = 0;
    static constexpr int kRightWing = 1;

    enum class Side { Left, Right };

    std::int32_t getVolleyCounter() const { return volleyCounter_; }
    void setVolleyCounter(std::int32_t c) { volleyCounter_ = c; }
    std::int32_t getPhaseTimer() const { return phaseTimer_; }
    void setPhaseTimer(std::int32_t timer) { phaseTimer_ = timer; }
    Side getNextSide() const { return nextSide_; }
    void hashOwnState(StateHasher& hasher) const override {
        hasher.add(volleyCounter_);
        hasher.add(phaseTimer_);
        hasher.add(nextSide_ == Side::Right);
        hasher.add(bareFrames_);
    }

    // Drawn only: the lasers of the wings (guns 4 and 5 of each, on the wing volleys) and, with
    // both wings gone, the body's (8 and 9, then 10 and 11, twice a minute of the counter),
    // for a boss whose counter advances in each of the coming frames after the first `wait`.
    void foretellWingAndBodyLasers(BeamForecast& forecast, std::int32_t wait = 0) const;

    // Whether the wings fire on this count of the volley counter.
    static bool isWingVolley(std::int32_t c);

  protected:
    // Built with the body's 43 guns; the subclass adds its parts and any guns of its own.
    WingedPoseidon(std::int32_t kind, std::int32_t hp, std::int32_t speedX, std::int32_t speedY,
                   std::int32_t coins, RandomGenerator& random);

    bool partAlive(int slot) const;
    // The counter runs round 300 frames.
    void advanceCounter();
    // Phase 1: slide left until the right wing is near the left edge, then bounce with it for
    // 300 frames and go back to the sweep.
    void showRightWing();
    // Phase 2: the same to the right with the left wing.
    void showLeftWing();
    // The body's own volleys once its wings are gone: missile pairs from the outside in,
    // lasers, the nose fan, pulse beams, napalm and particles thrown to the sides. Called in
    // every frame from the one the last wing fell; the body wakes a wind-up later, so its
    // first lasers can be foretold in full.
    void bareVolley(std::int32_t c);
    // Two aimed particles every twenty frames, ten apart, from its eight guns in turn.
    void aimedVolley(std::int32_t c);

    std::int32_t volleyCounter_ = 0;
    std::int32_t phaseTimer_ = 0;
    // Frames since the last wing fell, counted up to the wind-up.
    std::int32_t bareFrames_ = 0;
    Side nextSide_ = Side::Right;
};

}  // namespace cindervane
